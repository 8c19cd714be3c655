// Seam: the program's own resources by type and id ("RAWPNG" pictures, the "RTF" help).
// Windows: the resources of the executable. Linux and tests: the same files compiled in,
// where the cursors' .cur files and the program's .ico file are also found under the types
// "CURSOR" and "ICON" (Windows loads them through LoadCursor and LoadIcon instead, as the
// system splits them into records of its own).
#pragma once

#include <cstddef>

enum class ResourceStatus { Found, NotFound, NotLoaded, NotLocked };

struct ResourceBytes {
    ResourceStatus status = ResourceStatus::NotFound;
    const unsigned char* data = nullptr;
    size_t size = 0;
};

ResourceBytes findProgramResource(const char* type, int id);
