// The OLE callback handed to the editor, called through its slots as the control would.
#include <ole2.h>
#include <richole.h>

#include "editor/ole_callback.h"
#include "editor/undo.h"
#include "tests/program/editor_test_support.h"

namespace {

using EditorOleCallbackSlots = EditorTest;

TEST_F(EditorOleCallbackSlots, AnswerAsTheTableSays)
{
    auto* callback = reinterpret_cast<IRichEditOleCallback*>(&EditorOleCallback);
    void* object = &object;
    EXPECT_EQ(callback->QueryInterface(IID_IUnknown, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(callback->QueryInterface(IID_IRichEditOleCallback, nullptr), E_POINTER);
    EXPECT_EQ(callback->AddRef(), 2u);
    EXPECT_EQ(callback->Release(), 1u);
    EXPECT_EQ(callback->GetNewStorage(nullptr), E_NOTIMPL);
    EXPECT_EQ(callback->GetInPlaceContext(nullptr, nullptr, nullptr), E_NOTIMPL);
    EXPECT_EQ(callback->ShowContainerUI(TRUE), E_NOTIMPL);
    EXPECT_EQ(callback->QueryInsertObject(nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(callback->DeleteObject(nullptr), S_OK);
    EXPECT_EQ(callback->ContextSensitiveHelp(TRUE), E_NOTIMPL);
    IDataObject* data = reinterpret_cast<IDataObject*>(&data);
    EXPECT_EQ(callback->GetClipboardData(nullptr, RECO_COPY, nullptr), E_POINTER);
    EXPECT_EQ(callback->GetClipboardData(nullptr, RECO_COPY, &data), E_NOTIMPL);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(callback->GetDragDropEffect(FALSE, 0, nullptr), E_NOTIMPL);
    HMENU menu = reinterpret_cast<HMENU>(1);
    EXPECT_EQ(callback->GetContextMenu(SEL_TEXT, nullptr, nullptr, &menu), E_NOTIMPL);
    EXPECT_EQ(menu, nullptr);
}

TEST_F(EditorOleCallbackSlots, DropIsAcceptedAsTextAfterASnapshot)
{
    auto* callback = reinterpret_cast<IRichEditOleCallback*>(&EditorOleCallback);
    SetDocument("before");
    CLIPFORMAT format = CF_UNICODETEXT;
    EXPECT_EQ(callback->QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr), S_OK);
    EXPECT_EQ(format, CF_UNICODETEXT);
    EXPECT_FALSE(UndoAvailable());

    EXPECT_EQ(callback->QueryAcceptData(nullptr, &format, RECO_DROP, TRUE, nullptr), S_OK);
    EXPECT_EQ(format, CF_TEXT);
    SetDocument("after the drop");
    Undo();
    EXPECT_EQ(EditorBytes(), "before");
}

}   // namespace
