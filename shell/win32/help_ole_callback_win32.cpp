#include "shell/win32/help_ole_callback_win32.h"

STDMETHODIMP HelpOleCallback::QueryInterface(REFIID id, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IRichEditOleCallback)) {
        *object = static_cast<IRichEditOleCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) HelpOleCallback::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) HelpOleCallback::Release() {
    if (references_ > 0) --references_;
    return references_;
}

// Each embedded picture gets a compound storage in a memory block of its own, which goes
// away with the storage's last reference.
STDMETHODIMP HelpOleCallback::GetNewStorage(IStorage** storage) {
    if (!storage) return E_INVALIDARG;
    *storage = nullptr;
    ILockBytes* bytes = nullptr;
    HRESULT result = CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
    if (FAILED(result)) return result;
    result = StgCreateDocfileOnILockBytes(bytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE,
                                          0, storage);
    bytes->Release();
    return result;
}

STDMETHODIMP HelpOleCallback::GetInPlaceContext(IOleInPlaceFrame**, IOleInPlaceUIWindow**,
                                                OLEINPLACEFRAMEINFO*) {
    return E_INVALIDARG;
}

STDMETHODIMP HelpOleCallback::ShowContainerUI(BOOL) { return E_INVALIDARG; }

STDMETHODIMP HelpOleCallback::QueryInsertObject(CLSID*, IStorage*, LONG) { return S_OK; }

STDMETHODIMP HelpOleCallback::DeleteObject(IOleObject*) { return S_OK; }

STDMETHODIMP HelpOleCallback::QueryAcceptData(IDataObject*, CLIPFORMAT*, DWORD operation, BOOL,
                                              HGLOBAL) {
    if (operation == RECO_DROP && !allowDrops_) return E_NOTIMPL;
    return S_OK;
}

STDMETHODIMP HelpOleCallback::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP HelpOleCallback::GetClipboardData(CHARRANGE*, DWORD, IDataObject**) { return E_NOTIMPL; }

STDMETHODIMP HelpOleCallback::GetDragDropEffect(BOOL, DWORD, DWORD* effect) {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
}

STDMETHODIMP HelpOleCallback::GetContextMenu(WORD, IOleObject*, CHARRANGE*, HMENU*) { return E_NOTIMPL; }
