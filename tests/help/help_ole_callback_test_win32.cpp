// The help viewer's OLE callback, called the way the rich-edit control calls it. A Windows
// program: the Wine tests run it (tests/wine/help_ole_callback_test.sh).
#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include <cstdio>
#include <cstring>

#include "shell/win32/help_ole_callback_win32.h"

namespace {

int failures = 0;

void check(bool ok, const char* what, long line) {
    if (ok) return;
    ++failures;
    std::printf("FAIL line %ld: %s\n", line, what);
}

#define CHECK(expression) check((expression), #expression, __LINE__)

void answersForItsTwoInterfacesOnly() {
    HelpOleCallback callback;
    void* object = reinterpret_cast<void*>(1);
    CHECK(callback.QueryInterface(IID_IUnknown, &object) == S_OK);
    CHECK(object == static_cast<IRichEditOleCallback*>(&callback));
    CHECK(callback.referenceCount() == 1);
    object = nullptr;
    CHECK(callback.QueryInterface(IID_IRichEditOleCallback, &object) == S_OK);
    CHECK(object == static_cast<IRichEditOleCallback*>(&callback));
    CHECK(callback.referenceCount() == 2);
    object = reinterpret_cast<void*>(1);
    CHECK(callback.QueryInterface(IID_IStorage, &object) == E_NOINTERFACE);
    CHECK(object == nullptr);
    CHECK(callback.QueryInterface(IID_IRichEditOle, &object) == E_NOINTERFACE);
    CHECK(callback.referenceCount() == 2);
    CHECK(callback.QueryInterface(IID_IUnknown, nullptr) == E_POINTER);
}

void countsReferencesButLeavesDeletingToItsOwner() {
    HelpOleCallback callback;
    CHECK(callback.AddRef() == 1);
    CHECK(callback.AddRef() == 2);
    CHECK(callback.Release() == 1);
    CHECK(callback.Release() == 0);
    // Still alive, and the count does not wrap below zero.
    CHECK(callback.Release() == 0);
    CHECK(callback.AddRef() == 1);
}

void givesOutUsableStorage() {
    HelpOleCallback callback;
    CHECK(callback.GetNewStorage(nullptr) == E_INVALIDARG);
    IStorage* storage = nullptr;
    CHECK(callback.GetNewStorage(&storage) == S_OK);
    CHECK(storage != nullptr);
    if (!storage) return;
    IStream* stream = nullptr;
    CHECK(storage->CreateStream(L"picture", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &stream) ==
          S_OK);
    if (stream) {
        const char written[] = "embedded picture bytes";
        ULONG count = 0;
        CHECK(stream->Write(written, sizeof written, &count) == S_OK && count == sizeof written);
        LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        char read[sizeof written] = {};
        CHECK(stream->Read(read, sizeof read, &count) == S_OK && count == sizeof written);
        CHECK(std::memcmp(read, written, sizeof written) == 0);
        stream->Release();
    }
    CHECK(storage->Commit(STGC_DEFAULT) == S_OK);
    // Two storages are two separate blocks of memory.
    IStorage* second = nullptr;
    CHECK(callback.GetNewStorage(&second) == S_OK && second && second != storage);
    IStream* missing = nullptr;
    if (second) {
        CHECK(second->OpenStream(L"picture", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &missing) != S_OK);
        second->Release();
    }
    CHECK(storage->Release() == 0);
}

void refusesDropsAndOffersNoUserInterface() {
    HelpOleCallback callback;
    CHECK(callback.GetInPlaceContext(nullptr, nullptr, nullptr) == E_INVALIDARG);
    CHECK(callback.ShowContainerUI(TRUE) == E_INVALIDARG);
    CLSID classId{};
    CHECK(callback.QueryInsertObject(&classId, nullptr, 0) == S_OK);
    CHECK(callback.DeleteObject(nullptr) == S_OK);
    CLIPFORMAT format = 0;
    CHECK(callback.QueryAcceptData(nullptr, &format, RECO_DROP, TRUE, nullptr) == E_NOTIMPL);
    CHECK(callback.QueryAcceptData(nullptr, &format, RECO_PASTE, TRUE, nullptr) == S_OK);
    CHECK(callback.QueryAcceptData(nullptr, &format, RECO_COPY, FALSE, nullptr) == S_OK);
    CHECK(callback.ContextSensitiveHelp(TRUE) == E_NOTIMPL);
    CHECK(callback.GetClipboardData(nullptr, RECO_COPY, nullptr) == E_NOTIMPL);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    CHECK(callback.GetDragDropEffect(TRUE, 0, &effect) == S_OK);
    CHECK(effect == DROPEFFECT_NONE);
    HMENU menu = nullptr;
    CHECK(callback.GetContextMenu(SEL_TEXT, nullptr, nullptr, &menu) == E_NOTIMPL);
}

// The control itself takes the callback and hands it back when told to let go.
void richEditTakesAndReleasesTheCallback() {
    CHECK(LoadLibraryA("MSFTEDIT.DLL") != nullptr);
    HWND control = CreateWindowExA(0, "RichEdit50W", "", WS_POPUP | ES_MULTILINE | ES_READONLY, 0, 0, 200, 100,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CHECK(control != nullptr);
    if (!control) return;
    HelpOleCallback callback;
    CHECK(SendMessageA(control, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(&callback)) != 0);
    CHECK(callback.referenceCount() >= 1);
    SendMessageA(control, EM_SETOLECALLBACK, 0, 0);
    CHECK(callback.referenceCount() == 0);
    DestroyWindow(control);
}

}  // namespace

int main() {
    OleInitialize(nullptr);
    answersForItsTwoInterfacesOnly();
    countsReferencesButLeavesDeletingToItsOwner();
    givesOutUsableStorage();
    refusesDropsAndOffersNoUserInterface();
    richEditTakesAndReleasesTheCallback();
    OleUninitialize();
    std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
