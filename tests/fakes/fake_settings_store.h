// A settings store held in memory: the store of the unit tests, which can also be told to
// fail every operation, as a registry without access rights would.
#pragma once

#include <map>
#include <string>

#include "platform/settings_store.h"

class FakeSettingsStore : public SettingsStore {
public:
    bool setDword(const char* name, uint32_t value) override;
    bool setString(const char* name, const char* text) override;
    bool readValue(const char* name, StoredType& type, std::string& bytes) override;
    bool deleteValue(const char* name) override;

    // Puts any bytes of any type, as a hand-edited registry might hold.
    void setRaw(const std::string& name, StoredType type, const std::string& bytes);
    bool contains(const std::string& name) const { return values.count(name) != 0; }

    bool failing = false;
    // Writes that succeed before every later one fails (a full disk, a kill): -1 for no end.
    int writesLeft = -1;

private:
    struct Value {
        StoredType type;
        std::string bytes;
    };
    std::map<std::string, Value> values;
};
