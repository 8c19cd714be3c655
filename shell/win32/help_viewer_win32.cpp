// The help viewer's dialog: the manual streamed from the program's resources into a
// read-only rich-edit control, an OK button, and a link line that opens the web site.
#include "shell/win32/help_viewer_win32.h"

#include <commctrl.h>
#include <ole2.h>
#include <richedit.h>
#include <richole.h>
#include <shellapi.h>

#include <vector>

#include "help/document_stream.h"
#include "help/help_layout.h"
#include "shell/win32/help_ole_callback_win32.h"
#include "platform/diagnostics.h"
#include "platform/resources.h"
#include "resources/resource_ids.h"
#include "resources/web_site.h"
#include "shell/lamp_life.h"

// What the dialog sets up for the rich-edit control's OLE side while it is open: the
// callback that hands out storage for the manual's embedded pictures, the control's own
// OLE interface, and the clipboard formats rich text travels in.
struct HelpOleSupport {
    HWND richEdit = nullptr;
    HWND dialog = nullptr;
    IRichEditOle* richEditOle = nullptr;
    HelpOleCallback* callback = nullptr;
    UINT clipboardFormats[6] = {};
};

namespace {

// The dialog can shrink this far (client pixels) and still show the buttons and some text.
constexpr int minimumClientWidth = 320;
constexpr int minimumClientHeight = 200;

HelpOleSupport* createHelpOleSupport(HWND dialog, HWND richEdit) {
    auto* support = new HelpOleSupport;
    support->dialog = dialog;
    support->richEdit = richEdit;
    // The control answers S_FALSE when OLE was already initialised on this thread; either
    // way the uninitialise at release balances it.
    OleInitialize(nullptr);
    support->callback = new HelpOleCallback;
    SendMessageA(richEdit, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(support->callback));
    if (!SendMessageA(richEdit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&support->richEditOle)))
        support->richEditOle = nullptr;
    static const char* const formatNames[6] = {
        "Object Descriptor", "Embedded Object", "Link Source",
        "Rich Text Format", "Rich Text Format Without Objects", "RichEdit Text and Objects"};
    for (int i = 0; i < 6; ++i) support->clipboardFormats[i] = RegisterClipboardFormatA(formatNames[i]);
    return support;
}

// Closes what the control may have opened of the embedded objects, takes the callback
// back from the control, and ends OLE for this dialog.
void releaseHelpOleSupport(HelpOleSupport* support) {
    if (!support) return;
    if (IRichEditOle* ole = support->richEditOle) {
        const LONG count = ole->GetObjectCount();
        for (LONG i = 0; i < count; ++i) {
            REOBJECT object{};
            object.cbStruct = sizeof object;
            if (FAILED(ole->GetObject(i, &object, REO_GETOBJ_POLEOBJ))) continue;
            bool stop = false;
            if (object.dwFlags & REO_INPLACEACTIVE) ole->InPlaceDeactivate();
            if ((object.dwFlags & REO_OPEN) && object.poleobj)
                stop = object.poleobj->Close(OLECLOSE_NOSAVE) == OLE_E_PROMPTSAVECANCELLED;
            if (object.poleobj) object.poleobj->Release();
            if (stop) break;
        }
        ole->Release();
    }
    SendMessageA(support->richEdit, EM_SETOLECALLBACK, 0, 0);
    delete support->callback;
    OleUninitialize();
    delete support;
}

DWORD CALLBACK streamDocument(DWORD_PTR cookie, LPBYTE buffer, LONG asked, LONG* given) {
    auto* stream = reinterpret_cast<DocumentStream*>(cookie);
    *given = static_cast<LONG>(stream->read(buffer, asked > 0 ? static_cast<size_t>(asked) : 0));
    return 0;
}

// The manual from the program's resources into the control. A missing or empty document
// leaves the control empty.
void loadDocument(HWND richEdit) {
    const ResourceBytes document = findProgramResource("RTF", RES_HELP_DOCUMENT);
    if (document.status != ResourceStatus::Found || document.size == 0) {
        diag("Could not find resource %d\n", RES_HELP_DOCUMENT);
        return;
    }
    DocumentStream stream(std::vector<unsigned char>(document.data, document.data + document.size));
    EDITSTREAM editStream{};
    editStream.dwCookie = reinterpret_cast<DWORD_PTR>(&stream);
    editStream.pfnCallback = streamDocument;
    SendMessageA(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&editStream));
}

void placeControls(HWND dialog, int width, int height) {
    const HelpLayout layout = helpLayoutFor(width, height);
    const auto place = [dialog](int id, const ControlRect& rect) {
        MoveWindow(GetDlgItem(dialog, id), rect.x, rect.y, rect.width, rect.height, TRUE);
    };
    place(IDC_HELP_TEXT, layout.document);
    place(IDOK, layout.okButton);
    place(IDC_HELP_LINK, layout.link);
}

// Whether a point in screen coordinates lies strictly inside the link line.
bool overLink(HWND dialog, POINT screenPoint) {
    RECT link{};
    if (!GetWindowRect(GetDlgItem(dialog, IDC_HELP_LINK), &link)) return false;
    return strictlyInside(link.left, link.top, link.right, link.bottom, screenPoint.x, screenPoint.y);
}

}  // namespace

void HelpViewer::openWebSite(HWND dialog) const {
    // Behind a full-screen lamp the browser would open unseen: say so first.
    if (runMode_ == ScreenSaver || runMode_ == FullScreen)
        MessageBoxA(dialog,
                    "Because Glimmerjar is running in full-screen\nmode, you will not see the web "
                    "site in your\nbrowser until you exit Glimmerjar.\n",
                    "Note", MB_OK | MB_ICONEXCLAMATION);
    ShellExecuteA(dialog, "open", GLIMMERJAR_WEB_SITE_ADDRESS, nullptr, nullptr, SW_SHOWNORMAL);
}

// The viewer that opened the dialog rides along in its user data.
INT_PTR CALLBACK HelpViewer::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto* viewer = reinterpret_cast<HelpViewer*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return viewer ? viewer->handle(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR HelpViewer::handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            InitCommonControls();
            // Near a screen edge the dialog would hang off it; keep it on the monitor.
            SendMessageA(dialog, DM_REPOSITION, 0, 0);
            RECT client{};
            GetClientRect(dialog, &client);
            placeControls(dialog, client.right, client.bottom);
            HWND richEdit = GetDlgItem(dialog, IDC_HELP_TEXT);
            ole_ = createHelpOleSupport(dialog, richEdit);
            loadDocument(richEdit);
            SetFocus(GetDlgItem(dialog, IDC_HELP_LINK));
            return FALSE;
        }
        case WM_SIZE:
            placeControls(dialog, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_GETMINMAXINFO: {
            RECT frame{0, 0, minimumClientWidth, minimumClientHeight};
            AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                               static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
            return TRUE;
        }
        case WM_SETCURSOR: {
            if (reinterpret_cast<HWND>(wParam) != dialog) return FALSE;
            POINT cursor{};
            GetCursorPos(&cursor);
            if (!overLink(dialog, cursor)) return FALSE;
            SetCursor(handCursor_);
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, IDC_HELP_LINK)) return FALSE;
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255));
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        case WM_LBUTTONUP: {
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(dialog, &point);
            if (overLink(dialog, point)) openWebSite(dialog);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id != IDOK && id != IDCANCEL) return FALSE;
            releaseHelpOleSupport(ole_);
            ole_ = nullptr;
            EndDialog(dialog, id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void HelpViewer::open(HINSTANCE instance, HWND parent, LampLife& life) {
    // The lamp stands still while the help is open.
    life.pause();
    if (!richEditLibraryLoaded_) {
        if (!LoadLibraryA("MSFTEDIT.DLL")) {
            MessageBoxA(parent,
                        "Can not load MSFTEDIT.DLL. Please contact support by going to the lava "
                        "lamp web site.",
                        "ERROR", MB_OK | MB_ICONEXCLAMATION);
            life.resume();
            return;
        }
        richEditLibraryLoaded_ = true;
        diag("Loaded the rich-edit library\n");
    }
    runMode_ = life.runMode;
    if (!handCursor_) handCursor_ = LoadCursorA(instance, MAKEINTRESOURCEA(RES_CURSOR_HAND));
    DialogBoxParamA(instance, MAKEINTRESOURCEA(RES_DIALOG_HELP), parent, dialogProc, reinterpret_cast<LPARAM>(this));
    life.resume();
}
