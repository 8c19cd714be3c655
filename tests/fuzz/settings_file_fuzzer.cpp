// Fuzzes the Linux settings file: any bytes as the file, then every value read and one
// written. Nothing a person wrote may be lost: every line but the one the write replaced
// must still be in the file, in its order.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "settings/settings_file.h"
#include "settings/settings_table.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One file per fuzzing process (several may run side by side).
    static const std::string path = "/tmp/glimmerjar-settings-fuzz-" + std::to_string(std::random_device{}());
    const std::string text(reinterpret_cast<const char*>(data), size);
    { std::ofstream(path, std::ios::binary) << text; }
    {
        SettingsFile file(path, [](const std::string&) {});
        StoredType type;
        std::string bytes;
        for (size_t i = 0; i < settingRowCount; ++i) file.readValue(settingRows[i].name, type, bytes);
        file.readValue("blob000", type, bytes);
        file.readValue("noBlobsSaved", type, bytes);
        if (!file.setDword("speed", 7)) __builtin_trap();
        if (!file.readValue("speed", type, bytes) || type != StoredType::Dword) __builtin_trap();
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    const std::vector<std::string> after = linesOf(written.str());
    size_t at = 0;
    // A file in the first release's units has its header and frame rate said anew.
    const bool oldUnits = text.rfind(settingsFileHeaderOfFrameRateIndex, 0) == 0;
    for (const std::string& line : linesOf(text)) {
        SettingLineParts parts;
        const bool setting = splitSettingLine(line, parts);
        if (setting && fileKeyOf(parts.key).storedName == "speed") continue;
        if (oldUnits && (line.rfind(settingsFileHeaderOfFrameRateIndex, 0) == 0 ||
                         (setting && fileKeyOf(parts.key).storedName == "frameRate")))
            continue;
        while (at < after.size() && after[at] != line) ++at;
        if (at == after.size()) __builtin_trap();  // a line of the person's was lost
        ++at;
    }
    std::remove(path.c_str());
    return 0;
}
