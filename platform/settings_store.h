// Seam: the persistent store behind the settings key. On Windows it is the program's
// registry key; on Linux a small file; in tests an in-memory store that can fail on demand.
#pragma once

#include <cstdint>
#include <string>

#include "platform/diagnostics.h"

enum class StoredType { Dword, String, Other };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual bool setDword(const char* name, uint32_t value) = 0;
    // Stores the text with its terminating zero, as the registry's REG_SZ does.
    virtual bool setString(const char* name, const char* text) = 0;
    // The raw bytes and type of a value; false when it does not exist or cannot be read.
    virtual bool readValue(const char* name, StoredType& type, std::string& bytes) = 0;
    virtual bool deleteValue(const char* name) = 0;
    // Between these calls a store may keep what is written and write it all when the
    // outermost batch ends (a file otherwise rewritten for every value); the registry
    // writes as it goes. endBatch is false when what was kept could not be written, and
    // then none of it was.
    virtual void beginBatch() {}
    virtual bool endBatch() { return true; }
    // Tells that the value under `name` is not `what` it should be ("a blob of the lava")
    // and what is done `instead`. The registry says so in the diagnostic lines, in its own
    // words; a store a person edits names itself and the value as the person wrote it.
    virtual void reportUnusable(const char* name, const std::string& what, const std::string& instead) {
        (void)what;
        (void)instead;
        diag("Error in format of registry key %s\n", name);
    }
    // Tells something about the values it holds ("the saved lava was cut short; …"): the
    // registry in the diagnostic lines, a store a person edits naming itself.
    virtual void tell(const std::string& sentence) { diag("%s\n", sentence.c_str()); }
};

// Creates or opens the program's own store. Null when it cannot be opened; callers treat
// that like a store in which every read fails.
SettingsStore* openPlatformSettingsStore();
