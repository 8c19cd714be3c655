// A stand-in for Windows 98's PASSWORD.CPL, for the tests of the screen saver's password
// check. It answers from "password-answer.txt" beside it ("yes" lets the saver close,
// anything else keeps it) and notes each question in "password-calls.txt". Built a second
// time without its export, to test a library that lacks it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HMODULE self = nullptr;

[[maybe_unused]] std::string besideThisLibrary(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(self, path, sizeof path);
    std::string folder = path;
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + name;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

#ifndef GJ_WITHOUT_EXPORT
extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND window) {
    char answer[16] = "";
    if (FILE* in = std::fopen(besideThisLibrary("password-answer.txt").c_str(), "rb")) {
        if (!std::fgets(answer, sizeof answer, in)) answer[0] = 0;
        std::fclose(in);
    }
    const bool yes = std::strncmp(answer, "yes", 3) == 0;
    if (FILE* out = std::fopen(besideThisLibrary("password-calls.txt").c_str(), "ab")) {
        std::fprintf(out, "asked window=%d answer=%s\n", IsWindow(window) ? 1 : 0, yes ? "yes" : "no");
        std::fclose(out);
    }
    return yes ? TRUE : FALSE;
}
#else
extern "C" __declspec(dllexport) BOOL WINAPI SomethingElse(HWND) { return TRUE; }
#endif
