// Screen-saver password hooks for Windows 95, 98 and Me, whose screen savers must check
// and change the password themselves. The services are loaded only for the moment needed.
#include "shell/win32/password_hooks_win32.h"

#include "platform/diagnostics.h"

namespace {

// The NT family (every Windows since XP) handles the saver password itself.
bool isWindows9x() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&version)) return false;
#pragma GCC diagnostic pop
    return version.dwPlatformId == VER_PLATFORM_WIN32s ||
           version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

int verifyScreenSaverPassword(HWND window) {
    if (!isWindows9x()) return 1;
    HMODULE library = LoadLibraryA("PASSWORD.CPL");
    if (!library) {
        diagError("Unable to load PASSWORD.CPL. Aborting");
        return 1;
    }
    using VerifyProc = BOOL(WINAPI*)(HWND);
    auto verify = reinterpret_cast<VerifyProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
    if (!verify) {
        diagError("Unable to get VerifyPwProc address. Aborting");
        FreeLibrary(library);
        return 1;
    }
    const int result = verify(window);
    FreeLibrary(library);
    return result;
}

void changeScreenSaverPassword(HWND parent) {
    if (!isWindows9x()) return;
    HMODULE library = LoadLibraryA("MPR.DLL");
    if (!library) {
        diagError("MPR.DLL not found: cannot change password.");
        return;
    }
    using ChangeProc = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    auto change = reinterpret_cast<ChangeProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "PwdChangePasswordA")));
    if (!change) {
        FreeLibrary(library);
        diagError("PwdChangeProc not found: cannot change password");
        return;
    }
    change("SCRSAVE", parent, 0, nullptr);
    FreeLibrary(library);
}
