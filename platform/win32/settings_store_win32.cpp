// Settings store seam, Win32: the program's registry key.
// The key lives under HKEY_LOCAL_MACHINE. A program running without elevation cannot
// create or write it on current Windows (and registry virtualisation is off for a program
// with a manifest), so then the same subkey under HKEY_CURRENT_USER is used instead:
// settings still persist, per user.
#include <windows.h>

#include <cstring>

#include "platform/settings_store.h"

namespace {

const char* const settingsSubkey = "SOFTWARE\\Tessvane\\Glimmerjar\\V1.0";

class RegistrySettingsStore : public SettingsStore {
public:
    explicit RegistrySettingsStore(HKEY key) : key(key) {}
    ~RegistrySettingsStore() override { RegCloseKey(key); }

    bool setDword(const char* name, uint32_t value) override {
        DWORD data = value;
        return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                              sizeof data) == ERROR_SUCCESS;
    }

    bool setString(const char* name, const char* text) override {
        return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                              static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
    }

    bool readValue(const char* name, StoredType& type, std::string& bytes) override {
        DWORD regType = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, &regType, nullptr, &size) != ERROR_SUCCESS)
            return false;
        bytes.assign(size, '\0');
        if (RegQueryValueExA(key, name, nullptr, &regType,
                             reinterpret_cast<BYTE*>(bytes.empty() ? nullptr : &bytes[0]),
                             &size) != ERROR_SUCCESS)
            return false;
        bytes.resize(size);
        type = regType == REG_DWORD ? StoredType::Dword
               : regType == REG_SZ  ? StoredType::String
                                    : StoredType::Other;
        return true;
    }

    bool deleteValue(const char* name) override {
        return RegDeleteValueA(key, name) == ERROR_SUCCESS;
    }

private:
    HKEY key;
};

HKEY createKey(HKEY root) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, settingsSubkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

SettingsStore* openPlatformSettingsStore() {
    HKEY key = createKey(HKEY_LOCAL_MACHINE);
    if (!key) key = createKey(HKEY_CURRENT_USER);
    return key ? new RegistrySettingsStore(key) : nullptr;
}
