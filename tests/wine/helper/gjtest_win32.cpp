// gjtest.exe: a small console program the Wine tests run beside Glimmerjar to see and poke
// what X cannot: window rectangles, styles and owners, posted messages, and a parent
// window for preview mode. Used only by tests.
//
//   gjtest screen                       primary screen size
//   gjtest find CLASS TITLE             top-level windows ('-' matches anything)
//   gjtest children HWND                child windows of HWND
//   gjtest post HWND MESSAGE [W [L]]    PostMessage (MESSAGE: a number or WM_CLOSE, WM_KEYDOWN, ...)
//   gjtest pictures FILE                each button picture of a program, through the
//                                       program's own resource code
//   gjtest resources FILE               the icon sizes, cursors and version of a program
//   gjtest parent W H SECONDS           a window with a W x H client area for SECONDS,
//                                       then destroyed; prints its handle first
//   gjtest text HWND FILE               a window's text (WM_GETTEXT), as UTF-8 into FILE;
//                                       prints its length in characters
//   gjtest move HWND X Y W H            moves and sizes a window
//   gjtest record FILE ARGS...          appends ARGS as one line to FILE (a stand-in for
//                                       the browser, registered as a URL handler)
//   gjtest priority PID                 the priority class of a running process
//   gjtest desktop                      the desktop folder, as the program finds it
//   gjtest shortcut FILE                a shortcut's target, arguments and icon
//   gjtest fit HWND                     each check box, button and label of a dialog: the
//                                       width (or, word-wrapped, the height) its text needs
//                                       in its font against its client area; exit code 1
//                                       when any text does not fit
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/win32/resource_module_win32.h"
#include "scene/image.h"
#include "scene/image_resource.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void describe(HWND window) {
    char className[256] = "", title[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    RECT rect{}, client{};
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::printf("hwnd=%llu pid=%lu id=%d x=%ld y=%ld w=%ld h=%ld cw=%ld ch=%ld style=%08lx exstyle=%08lx "
                "visible=%d class=%s title=%s\n",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)), pid,
                GetDlgCtrlID(window),
                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                client.right, client.bottom, static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)),
                IsWindowVisible(window) ? 1 : 0, className, title);
}

struct Filter {
    const char* className;
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM data) {
    auto* filter = reinterpret_cast<Filter*>(data);
    char className[256] = "", title[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    const bool classOk = std::strcmp(filter->className, "-") == 0 ||
                         std::strcmp(filter->className, className) == 0;
    const bool titleOk = std::strcmp(filter->title, "-") == 0 || std::strcmp(filter->title, title) == 0;
    if (classOk && titleOk) filter->found.push_back(window);
    return TRUE;
}

HWND parseWindow(const char* text) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(text, nullptr, 0)));
}

UINT parseMessage(const std::string& name) {
    struct Known { const char* name; UINT id; };
    static const Known known[] = {{"WM_CLOSE", WM_CLOSE},     {"WM_KEYDOWN", WM_KEYDOWN},
                                  {"WM_CHAR", WM_CHAR},       {"WM_SYSCOMMAND", WM_SYSCOMMAND},
                                  {"WM_DESTROY", WM_DESTROY}, {"WM_QUIT", WM_QUIT}};
    for (const Known& k : known)
        if (name == k.name) return k.id;
    return static_cast<UINT>(std::strtoul(name.c_str(), nullptr, 0));
}

// Lists what a program file carries: every icon size of icon 7002 that loads at its own
// size, the cursors, the version's product name and whether a manifest is embedded.
int printResources(const char* file) {
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        std::printf("cannot load %s\n", file);
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 256}) {
        HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(7002), IMAGE_ICON, size, size, 0));
        ICONINFO info{};
        BITMAP bitmap{};
        if (icon && GetIconInfo(icon, &info) && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap))
            std::printf("icon %d %ldx%ld\n", size, bitmap.bmWidth, bitmap.bmHeight);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (icon) DestroyIcon(icon);
    }
    for (int id : {107, 137, 138, 139, 155}) {
        HANDLE cursor = LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE);
        std::printf("cursor %d %s\n", id, cursor ? "loads" : "missing");
    }
    const bool manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)) != nullptr;
    std::printf("manifest %s\n", manifest ? "embedded" : "missing");
    FreeLibrary(module);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    std::vector<char> data(size ? size : 1);
    if (!size || !GetFileVersionInfoA(file, 0, size, data.data())) return 0;
    const auto text = [&](const char* name) -> std::string {
        char* value = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\040904b0\\") + name;
        return VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) && value
                   ? value
                   : "?";
    };
    std::printf("product %s %s\n", text("ProductName").c_str(), text("ProductVersion").c_str());
    std::printf("file version text %s\n", text("FileVersion").c_str());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) && fixed)
        std::printf("file version %u.%u.%u.%u product version %u.%u.%u.%u\n",
                    unsigned{HIWORD(fixed->dwFileVersionMS)}, unsigned{LOWORD(fixed->dwFileVersionMS)},
                    unsigned{HIWORD(fixed->dwFileVersionLS)}, unsigned{LOWORD(fixed->dwFileVersionLS)},
                    unsigned{HIWORD(fixed->dwProductVersionMS)}, unsigned{LOWORD(fixed->dwProductVersionMS)},
                    unsigned{HIWORD(fixed->dwProductVersionLS)}, unsigned{LOWORD(fixed->dwProductVersionLS)});
    return 0;
}

int printPictures(const char* file) {
    HMODULE module = LoadLibraryExA(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        std::printf("cannot load %s\n", file);
        return 1;
    }
    useResourceModule(module);
    for (int id : {130, 135, 136, 140, 158, 159}) {
        const std::unique_ptr<Image> loaded = imageFromResource(id);
        Image& image = *loaded;
        if (!image.isValid()) continue;
        const int last = image.width - 1, lastRow = image.height - 1;
        std::printf("picture %d %dx%d corners %d %d %d %d centre %d\n", id, image.width,
                    image.height, image.pixel(0, 0).a, image.pixel(last, 0).a,
                    image.pixel(0, lastRow).a, image.pixel(last, lastRow).a,
                    image.pixel(image.width / 2, image.height / 2).a);
    }
    FreeLibrary(module);
    return 0;
}

BOOL CALLBACK printMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    std::printf("monitor x=%ld y=%ld w=%ld h=%ld primary=%d\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
                (info.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

// The monitors as the system reports them, and the virtual screen round them.
int printMonitors() {
    std::printf("count=%d\n", GetSystemMetrics(SM_CMONITORS));
    EnumDisplayMonitors(nullptr, nullptr, printMonitor, 0);
    std::printf("virtual x=%d y=%d w=%d h=%d\n", GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    return 0;
}

int printWindows(const std::vector<HWND>& windows) {
    std::printf("count=%zu\n", windows.size());
    for (HWND w : windows) describe(w);
    return windows.empty() ? 1 : 0;
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        KillTimer(window, 1);
        std::printf("destroying at %lu\n", GetTickCount());
        std::fflush(stdout);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        std::printf("destroyed at %lu\n", GetTickCount());
        std::fflush(stdout);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int runParent(int width, int height, int seconds) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = parentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = "GjTestParent";
    RegisterClassA(&windowClass);
    RECT rect{0, 0, width, height};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowA("GjTestParent", "Preview parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                10, 10, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    std::printf("hwnd=%llu\ncreated at %lu\n",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)), GetTickCount());
    std::fflush(stdout);
    SetTimer(window, 1, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    // Stay a while without the window, so that a test can tell a preview that noticed its
    // parent's end from one that only ended with this process.
    Sleep(2000);
    return 0;
}

// Sends a message whose lParam points at data, the data written into the receiving
// window's own process, where the system puts it for messages it sends itself.
int sendWithData(HWND window, UINT message, WPARAM wParam, const void* data, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid);
    if (!process) return 1;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    int result = 1;
    if (remote && WriteProcessMemory(process, remote, data, size, nullptr)) {
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutA(window, message, wParam, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                &answer))
            result = 0;
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return result;
}

// The console display-state notification, as a window registered for it gets it.
int sendDisplayState(HWND window, DWORD state) {
    static const GUID consoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
    std::vector<unsigned char> setting(offsetof(POWERBROADCAST_SETTING, Data) + sizeof(DWORD));
    POWERBROADCAST_SETTING header{};
    header.PowerSetting = consoleDisplayState;
    header.DataLength = sizeof(DWORD);
    std::memcpy(setting.data(), &header, offsetof(POWERBROADCAST_SETTING, Data));
    std::memcpy(setting.data() + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof state);
    return sendWithData(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, setting.data(), setting.size());
}

int saveText(HWND window, const char* file) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    const LRESULT got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
    std::vector<char> utf8(static_cast<size_t>(bytes) + 1);
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(got), utf8.data(), bytes, nullptr, nullptr);
    FILE* out = std::fopen(file, "wb");
    if (!out) return 1;
    std::fwrite(utf8.data(), 1, static_cast<size_t>(bytes), out);
    std::fclose(out);
    std::printf("length=%lld\n", static_cast<long long>(got));
    return 0;
}

int record(const char* file, int count, char** words) {
    FILE* out = std::fopen(file, "ab");
    if (!out) return 1;
    for (int i = 0; i < count; ++i) std::fprintf(out, "%s%s", i ? " " : "", words[i]);
    std::fprintf(out, "\n");
    std::fclose(out);
    return 0;
}

// The font a control is drawn in: its own (a font handle of another process reads under
// Wine), else the dialog font every dialog of the program asks for (DS_SHELLFONT, 8 point).
HFONT controlFont(HWND control, HDC dc, bool& own) {
    LOGFONTA font{};
    HFONT handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    own = handle && GetObjectA(handle, sizeof font, &font) == sizeof font;
    if (!own) {
        font = LOGFONTA{};
        font.lfHeight = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
        font.lfCharSet = DEFAULT_CHARSET;
        lstrcpyA(font.lfFaceName, "MS Shell Dlg 2");
    }
    return CreateFontIndirectA(&font);
}

int printTextFit(HWND dialog) {
    int clipped = 0;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        char className[32] = "", text[512] = "";
        GetClassNameA(control, className, sizeof className);
        const int length = GetWindowTextA(control, text, sizeof text);
        const bool button = lstrcmpiA(className, "Button") == 0, label = lstrcmpiA(className, "Static") == 0;
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        if (length <= 0 || !(button || label) || (button && (style & BS_TYPEMASK) == BS_GROUPBOX)) continue;
        const LONG type = style & BS_TYPEMASK;
        const bool checkBox = button && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                                         type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
        RECT client{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        bool own = false;
        HFONT font = controlFont(control, dc, own);
        HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        // The text's room: a check box's text starts after its box and a gap, a push
        // button's inside its edges.
        const int room = client.right - (checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0) -
                         (button && !checkBox ? 4 * GetSystemMetrics(SM_CXEDGE) : 0);
        const bool wrapped = label && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && client.bottom >= 2 * metrics.tmHeight;
        RECT needed{0, 0, wrapped ? room : 0, 0};
        DrawTextA(dc, text, length, &needed, DT_CALCRECT | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous);
        DeleteObject(font);
        ReleaseDC(control, dc);
        const bool fits = wrapped ? needed.bottom <= client.bottom : needed.right <= room;
        clipped += !fits;
        std::printf("id=%d fits=%d %s=%ld room=%d%s font=%s text=%s\n", GetDlgCtrlID(control), fits ? 1 : 0,
                    wrapped ? "height" : "width", wrapped ? needed.bottom : needed.right,
                    wrapped ? static_cast<int>(client.bottom) : room, wrapped ? " wrapped" : "", own ? "own" : "dialog",
                    text);
    }
    return clipped ? 1 : 0;
}

// What the shell would start for a .lnk file: "target PATH", "arguments ARGS", "icon PATH N".
int printShortcut(const char* file) {
    if (FAILED(CoInitialize(nullptr))) return 1;
    IShellLinkA* link = nullptr;
    IPersistFile* persist = nullptr;
    int result = 1;
    wchar_t wide[MAX_PATH];
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH) &&
        SUCCEEDED(persist->Load(wide, STGM_READ))) {
        char target[MAX_PATH] = "", arguments[MAX_PATH] = "", icon[MAX_PATH] = "";
        int iconIndex = 0;
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetArguments(arguments, MAX_PATH);
        link->GetIconLocation(icon, MAX_PATH, &iconIndex);
        std::printf("target %s\narguments %s\nicon %s %d\n", target, arguments, icon, iconIndex);
        result = 0;
    }
    if (persist) persist->Release();
    if (link) link->Release();
    CoUninitialize();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gjtest screen|find|children|post|parent ...\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "screen") {
        std::printf("%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return 0;
    }
    if (command == "monitors") return printMonitors();
    if (command == "find" && argc == 4) {
        Filter filter{argv[2], argv[3], {}};
        EnumWindows(collect, reinterpret_cast<LPARAM>(&filter));
        return printWindows(filter.found);
    }
    if (command == "children" && argc == 3) {
        Filter filter{"-", "-", {}};
        EnumChildWindows(parseWindow(argv[2]), collect, reinterpret_cast<LPARAM>(&filter));
        return printWindows(filter.found);
    }
    if (command == "post" && argc >= 4) {
        const WPARAM w = argc > 4 ? std::strtoull(argv[4], nullptr, 0) : 0;
        const LPARAM l = argc > 5 ? static_cast<LPARAM>(std::strtoll(argv[5], nullptr, 0)) : 0;
        return PostMessageA(parseWindow(argv[2]), parseMessage(argv[3]), w, l) ? 0 : 1;
    }
    if (command == "resources" && argc == 3) return printResources(argv[2]);
    if (command == "pictures" && argc == 3) return printPictures(argv[2]);
    if (command == "parent" && argc == 5)
        return runParent(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    if (command == "text" && argc == 4) return saveText(parseWindow(argv[2]), argv[3]);
    if (command == "dpi" && argc == 8) {
        const UINT dpi = static_cast<UINT>(std::atoi(argv[3]));
        const RECT suggested{std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7])};
        return sendWithData(parseWindow(argv[2]), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), &suggested, sizeof suggested);
    }
    if (command == "display" && argc == 4) {
        const std::string state = argv[3];
        return sendDisplayState(parseWindow(argv[2]), state == "off" ? 0 : state == "dim" ? 2 : 1);
    }
    if (command == "move" && argc == 7)
        return SetWindowPos(parseWindow(argv[2]), nullptr, std::atoi(argv[3]), std::atoi(argv[4]),
                            std::atoi(argv[5]), std::atoi(argv[6]), SWP_NOZORDER | SWP_NOACTIVATE)
                   ? 0
                   : 1;
    if (command == "record" && argc >= 3) return record(argv[2], argc - 3, argv + 3);
    if (command == "fit" && argc == 3) return printTextFit(parseWindow(argv[2]));
    if (command == "shortcut" && argc == 3) return printShortcut(argv[2]);
    if (command == "shortname" && argc == 3) {
        char path[MAX_PATH] = "";
        if (GetShortPathNameA(argv[2], path, sizeof path) == 0) return 1;
        std::printf("%s\n", path);
        return 0;
    }
    if (command == "desktop") {
        char path[MAX_PATH] = "";
        if (FAILED(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, path))) return 1;
        std::printf("%s\n", path);
        return 0;
    }
    if (command == "priority" && argc == 3) {
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                     static_cast<DWORD>(std::strtoul(argv[2], nullptr, 0)));
        if (!process) return 1;
        const DWORD priority = GetPriorityClass(process);
        CloseHandle(process);
        const char* name = priority == IDLE_PRIORITY_CLASS     ? "idle"
                           : priority == NORMAL_PRIORITY_CLASS ? "normal"
                           : priority == HIGH_PRIORITY_CLASS   ? "high"
                                                               : "other";
        std::printf("priority=%s\n", name);
        return priority ? 0 : 1;
    }
    std::fprintf(stderr, "gjtest: bad arguments\n");
    return 2;
}
