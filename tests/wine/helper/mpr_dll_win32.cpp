// A stand-in for Windows 98's MPR.DLL password change, for the tests of the a switch: it
// notes the call's arguments in "mpr-calls.txt" beside it. Built a second time without its
// export, to test a library that lacks it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
HMODULE self = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

#ifndef GJ_WITHOUT_EXPORT
extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND parent, DWORD reserved,
                                                                 LPVOID reserved2) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(self, path, sizeof path);
    std::string file = path;
    file.resize(file.find_last_of("\\/") + 1);
    file += "mpr-calls.txt";
    if (FILE* out = std::fopen(file.c_str(), "ab")) {
        std::fprintf(out, "provider=%s parent=%d reserved=%lu,%d\n", provider ? provider : "(null)", parent ? 1 : 0,
                     static_cast<unsigned long>(reserved), reserved2 ? 1 : 0);
        std::fclose(out);
    }
    return 0;
}
#else
extern "C" __declspec(dllexport) DWORD WINAPI SomethingElse() { return 0; }
#endif
