// The blob records' names.
#include "settings/stored_value_names.h"

#include <cstdio>
#include <cstring>

std::string blobRecordName(int index) {
    char name[16];
    std::snprintf(name, sizeof name, "blob%03d", index);
    return name;
}

bool isBlobRecordName(const std::string& name) {
    return name.size() == 7 && name.compare(0, 4, "blob") == 0 &&
           std::strspn(name.c_str() + 4, "0123456789") == 3;
}
