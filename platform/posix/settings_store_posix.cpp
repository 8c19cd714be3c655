// Settings store seam, POSIX: one small text file, rewritten on every change.
// Location: $GLIMMERJAR_SETTINGS_FILE, else $XDG_CONFIG_HOME/glimmerjar/settings, else
// ~/.config/glimmerjar/settings. One value a line: name, type letter, bytes in hex, so any
// value round-trips exactly; unreadable lines are skipped, as a malformed registry value
// would be.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/settings_store.h"

namespace {

std::string settingsFilePath() {
    if (const char* path = std::getenv("GLIMMERJAR_SETTINGS_FILE"); path && *path) return path;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        return "";
    }
    mkdir(base.c_str(), 0755);
    base += "/glimmerjar";
    mkdir(base.c_str(), 0755);
    return base + "/settings";
}

char typeLetter(StoredType type) {
    return type == StoredType::Dword ? 'd' : type == StoredType::String ? 's' : 'o';
}

class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::string path) : path(std::move(path)) { load(); }

    bool setDword(const char* name, uint32_t value) override {
        std::string bytes(4, '\0');
        std::memcpy(&bytes[0], &value, 4);
        return put(name, StoredType::Dword, bytes);
    }
    bool setString(const char* name, const char* text) override {
        return put(name, StoredType::String, std::string(text, std::strlen(text) + 1));
    }
    bool readValue(const char* name, StoredType& type, std::string& bytes) override {
        auto it = values.find(name);
        if (it == values.end()) return false;
        type = it->second.first;
        bytes = it->second.second;
        return true;
    }
    bool deleteValue(const char* name) override {
        const auto before = values;
        if (values.erase(name) == 0) return false;
        if (save()) return true;
        values = before;
        return false;
    }

private:
    std::string path;
    std::map<std::string, std::pair<StoredType, std::string>> values;

    bool put(const std::string& name, StoredType type, const std::string& bytes) {
        if (name.empty() || name.find_first_of(" \t\n") != std::string::npos) return false;
        const auto before = values;
        values[name] = {type, bytes};
        if (save()) return true;
        values = before;  // a write that did not reach the file did not happen
        return false;
    }

    void load() {
        std::ifstream in(path);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string name, type, hex;
            if (!(fields >> name >> type) || type.size() != 1) continue;
            fields >> hex;
            if (hex.size() % 2 != 0) continue;
            std::string bytes;
            bool ok = true;
            for (size_t i = 0; i < hex.size() && ok; i += 2) {
                char* end = nullptr;
                const std::string pair = hex.substr(i, 2);
                long byte = std::strtol(pair.c_str(), &end, 16);
                ok = end && *end == '\0';
                bytes.push_back(static_cast<char>(byte));
            }
            if (!ok) continue;
            StoredType stored = type[0] == 'd'   ? StoredType::Dword
                                : type[0] == 's' ? StoredType::String
                                                 : StoredType::Other;
            values[name] = {stored, bytes};
        }
    }

    bool save() const {
        const std::string temporary = path + ".new";
        std::FILE* out = std::fopen(temporary.c_str(), "w");
        if (!out) return false;
        for (const auto& [name, value] : values) {
            std::fprintf(out, "%s %c ", name.c_str(), typeLetter(value.first));
            for (unsigned char byte : value.second) std::fprintf(out, "%02x", byte);
            std::fputc('\n', out);
        }
        const bool written = std::fclose(out) == 0;
        return written && std::rename(temporary.c_str(), path.c_str()) == 0;
    }
};

}  // namespace

SettingsStore* openPlatformSettingsStore() {
    const std::string path = settingsFilePath();
    return path.empty() ? nullptr : new FileSettingsStore(path);
}
