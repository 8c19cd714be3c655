// In-memory settings store.
#include "tests/fakes/fake_settings_store.h"

#include <cstring>

bool FakeSettingsStore::setDword(const char* name, uint32_t value) {
    if (failing || writesLeft == 0) return false;
    if (writesLeft > 0) --writesLeft;
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    values[name] = {StoredType::Dword, bytes};
    return true;
}

bool FakeSettingsStore::setString(const char* name, const char* text) {
    if (failing || writesLeft == 0) return false;
    if (writesLeft > 0) --writesLeft;
    values[name] = {StoredType::String, std::string(text, std::strlen(text) + 1)};
    return true;
}

bool FakeSettingsStore::readValue(const char* name, StoredType& type, std::string& bytes) {
    if (failing) return false;
    auto it = values.find(name);
    if (it == values.end()) return false;
    type = it->second.type;
    bytes = it->second.bytes;
    return true;
}

bool FakeSettingsStore::deleteValue(const char* name) {
    if (failing) return false;
    return values.erase(name) != 0;
}

void FakeSettingsStore::setRaw(const std::string& name, StoredType type,
                                 const std::string& bytes) {
    values[name] = {type, bytes};
}
