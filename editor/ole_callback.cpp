// The editor's IRichEditOleCallback: refuses objects and interfaces, and takes
// a snapshot for undo before data is dropped into the text.
#include "editor/ole_callback.h"

#include <windows.h>
#include <ole2.h>
#include <richedit.h>
#include <richole.h>

#include "editor/undo.h"

using This = OleCallbackObject*;

struct OleCallbackMethods {
    HRESULT(STDMETHODCALLTYPE* QueryInterface)(This, REFIID, void**);
    ULONG(STDMETHODCALLTYPE* AddRef)(This);
    ULONG(STDMETHODCALLTYPE* Release)(This);
    HRESULT(STDMETHODCALLTYPE* GetNewStorage)(This, LPSTORAGE*);
    HRESULT(STDMETHODCALLTYPE* GetInPlaceContext)
    (This, LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*, LPOLEINPLACEFRAMEINFO);
    HRESULT(STDMETHODCALLTYPE* ShowContainerUI)(This, BOOL);
    HRESULT(STDMETHODCALLTYPE* QueryInsertObject)(This, LPCLSID, LPSTORAGE, LONG);
    HRESULT(STDMETHODCALLTYPE* DeleteObject)(This, LPOLEOBJECT);
    HRESULT(STDMETHODCALLTYPE* QueryAcceptData)(This, LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL);
    HRESULT(STDMETHODCALLTYPE* ContextSensitiveHelp)(This, BOOL);
    HRESULT(STDMETHODCALLTYPE* GetClipboardData)(This, CHARRANGE*, DWORD, LPDATAOBJECT*);
    HRESULT(STDMETHODCALLTYPE* GetDragDropEffect)(This, BOOL, DWORD, LPDWORD);
    HRESULT(STDMETHODCALLTYPE* GetContextMenu)(This, WORD, LPOLEOBJECT, CHARRANGE*, HMENU*);
};

namespace {

HRESULT STDMETHODCALLTYPE QueryInterface(This, REFIID, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AddRef(This)
{
    return 2;
}

ULONG STDMETHODCALLTYPE Release(This)
{
    return 1;
}

HRESULT STDMETHODCALLTYPE GetNewStorage(This, LPSTORAGE*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE GetInPlaceContext(This, LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*, LPOLEINPLACEFRAMEINFO)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ShowContainerUI(This, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE QueryInsertObject(This, LPCLSID, LPSTORAGE, LONG)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DeleteObject(This, LPOLEOBJECT)
{
    return S_OK;
}

// A drop may replace any part of the text: keep the whole of it for undo.
HRESULT STDMETHODCALLTYPE QueryAcceptData(This, LPDATAOBJECT, CLIPFORMAT* format, DWORD operation, BOOL, HGLOBAL)
{
    if (operation == RECO_DROP) {
        if (format) *format = CF_TEXT;
        RecordUndo(UndoWholeText, 0);
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(This, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE GetClipboardData(This, CHARRANGE*, DWORD, LPDATAOBJECT* data)
{
    if (!data) return E_POINTER;
    *data = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE GetDragDropEffect(This, BOOL, DWORD, LPDWORD)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE GetContextMenu(This, WORD, LPOLEOBJECT, CHARRANGE*, HMENU* menu)
{
    if (menu) *menu = nullptr;
    return E_NOTIMPL;
}

constexpr OleCallbackMethods EditorOleCallbackMethods = {
    QueryInterface,    AddRef,       Release,         GetNewStorage,        GetInPlaceContext, ShowContainerUI,
    QueryInsertObject, DeleteObject, QueryAcceptData, ContextSensitiveHelp, GetClipboardData,  GetDragDropEffect,
    GetContextMenu,
};

}   // namespace

OleCallbackObject EditorOleCallback = {&EditorOleCallbackMethods};
