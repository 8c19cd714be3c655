// In-memory settings store.
#include "settings/memory_settings_store.h"

#include <cstring>

bool MemorySettingsStore::setDword(const char* name, uint32_t value) {
    if (failing) return false;
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    values[name] = {StoredType::Dword, bytes};
    return true;
}

bool MemorySettingsStore::setString(const char* name, const char* text) {
    if (failing) return false;
    values[name] = {StoredType::String, std::string(text, std::strlen(text) + 1)};
    return true;
}

bool MemorySettingsStore::readValue(const char* name, StoredType& type, std::string& bytes) {
    if (failing) return false;
    auto it = values.find(name);
    if (it == values.end()) return false;
    type = it->second.type;
    bytes = it->second.bytes;
    return true;
}

bool MemorySettingsStore::deleteValue(const char* name) {
    if (failing) return false;
    return values.erase(name) != 0;
}

void MemorySettingsStore::setRaw(const std::string& name, StoredType type,
                                 const std::string& bytes) {
    values[name] = {type, bytes};
}
