// Resources seam, Win32: FindResource, LoadResource and LockResource on the executable.
#include <windows.h>

#include "platform/resources.h"
#include "platform/win32/resource_module_win32.h"

namespace {
HMODULE resourceModule = nullptr;
}

void useResourceModule(HMODULE module) { resourceModule = module; }

ResourceBytes findProgramResource(const char* type, int id) {
    ResourceBytes result;
    HMODULE module = resourceModule ? resourceModule : GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found) return result;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) {
        result.status = ResourceStatus::NotLoaded;
        return result;
    }
    const void* locked = LockResource(loaded);
    if (!locked) {
        result.status = ResourceStatus::NotLocked;
        return result;
    }
    result.status = ResourceStatus::Found;
    result.data = static_cast<const unsigned char*>(locked);
    result.size = SizeofResource(module, found);
    return result;
}
