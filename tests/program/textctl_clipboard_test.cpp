// Cut, copy and paste of the text control, and the paste question to the
// program's OLE callback.
#include <richole.h>
#include <string>

#include "textctl/textctl.h"
#include "textctl_support.h"
#include "clipboard_reading.h"

namespace {

// Answers QueryAcceptData with a set result and counts the questions.
class AcceptCallback : public IRichEditOleCallback {
public:
    HRESULT answer = S_OK;
    int questions = 0;
    DWORD lastReason = 0;
    LONG references = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--references); }
    HRESULT STDMETHODCALLTYPE GetNewStorage(LPSTORAGE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetInPlaceContext(LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*,
                                                LPOLEINPLACEFRAMEINFO) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryInsertObject(LPCLSID, LPSTORAGE, LONG) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeleteObject(LPOLEOBJECT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE QueryAcceptData(LPDATAOBJECT, CLIPFORMAT* format, DWORD reason, BOOL, HGLOBAL) override
    {
        ++questions;
        lastReason = reason;
        if (format) *format = CF_TEXT;
        return answer;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL, DWORD, LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU*) override { return E_NOTIMPL; }
};

}   // namespace

TEST_F(TextControlTest, CutCopyAndPasteMoveBytesAsTheyAre)
{
    StreamIn("one \xE0\xE1\x80 two");
    Select(4, 7);
    Send(WM_COPY);
    EXPECT_EQ(ClipboardContents(CF_TEXT), "\xE0\xE1\x80");
    Select(0, 4);
    Send(WM_CUT);
    EXPECT_EQ(ClipboardContents(CF_TEXT), "one ");
    EXPECT_EQ(Text(), "\xE0\xE1\x80 two");
    Select(3, 3);
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "\xE0\xE1\x80one  two");
    EXPECT_EQ(Selection().cpMin, 7);
    Send(EM_SETREADONLY, TRUE);
    Send(WM_PASTE);
    Send(WM_CUT);
    EXPECT_EQ(Text(), "\xE0\xE1\x80one  two");
}

TEST_F(TextControlTest, PasteAsksTheOleCallbackAndObeysIt)
{
    AcceptCallback callback;
    EXPECT_TRUE(Send(EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(&callback)));
    EXPECT_EQ(callback.references, 1);
    StreamIn("abc");
    Select(0, 1);
    Send(WM_COPY);
    EXPECT_EQ(callback.questions, 0);   // only a paste asks
    Select(3, 3);
    callback.answer = E_FAIL;
    Send(WM_PASTE);
    EXPECT_EQ(callback.questions, 1);
    EXPECT_EQ(callback.lastReason, static_cast<DWORD>(RECO_PASTE));
    EXPECT_EQ(Text(), "abc");
    callback.answer = S_OK;
    Send(WM_PASTE);
    EXPECT_EQ(Text(), "abca");
    DestroyWindow(control_);
    control_ = nullptr;
    EXPECT_EQ(callback.references, 0);
}
