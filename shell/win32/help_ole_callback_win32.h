// The rich-edit control's OLE callback for the help viewer. The control asks it for
// storage when the document brings embedded pictures, and asks whether it may accept
// pasted or dropped data: the help text is read-only, so drops are refused.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <richole.h>

class HelpOleCallback : public IRichEditOleCallback {
public:
    HelpOleCallback() = default;
    virtual ~HelpOleCallback() = default;
    HelpOleCallback(const HelpOleCallback&) = delete;
    HelpOleCallback& operator=(const HelpOleCallback&) = delete;

    ULONG referenceCount() const { return references_; }

    // IUnknown. The owner deletes the object; Release only counts.
    STDMETHODIMP QueryInterface(REFIID id, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IRichEditOleCallback, in interface order.
    STDMETHODIMP GetNewStorage(IStorage** storage) override;
    STDMETHODIMP GetInPlaceContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                   OLEINPLACEFRAMEINFO* frameInfo) override;
    STDMETHODIMP ShowContainerUI(BOOL show) override;
    STDMETHODIMP QueryInsertObject(CLSID* classId, IStorage* storage, LONG position) override;
    STDMETHODIMP DeleteObject(IOleObject* object) override;
    STDMETHODIMP QueryAcceptData(IDataObject* data, CLIPFORMAT* format, DWORD operation,
                                 BOOL really, HGLOBAL metaPicture) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    STDMETHODIMP GetClipboardData(CHARRANGE* range, DWORD operation, IDataObject** data) override;
    STDMETHODIMP GetDragDropEffect(BOOL drag, DWORD keyState, DWORD* effect) override;
    STDMETHODIMP GetContextMenu(WORD selectionType, IOleObject* object, CHARRANGE* range,
                                HMENU* menu) override;

private:
    ULONG references_ = 0;
    bool allowDrops_ = false;
};
