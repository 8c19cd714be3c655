// The settings as a text file a person can read and edit (the Linux program's store):
//
//   # Glimmerjar settings
//   lavaHue = 0.33
//   showParticles = false
//   speed = 120
//
// One "name = value" line per value, in the setting's own units: flags as true or false,
// whole numbers as numbers, the rest as written. Blank lines, comments (# or ;) and lines
// the program does not understand stay in the file exactly as they were; each line it
// cannot use is reported once, when the file is read, and otherwise ignored. A value the
// program writes replaces its line in place, or is added at the end; a file that cannot be
// written is reported once.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/settings_store.h"

// What a value name holds, by name: the settings table's rows, and the few values kept
// besides them (the lava's blob records and their count, the start-up choice, the
// per-mode drift switches, a monitor handed over).
enum class FileValueKind { Unknown, Flag, Whole, Decimal, Text };
FileValueKind fileValueKindOf(const std::string& name);

class SettingsFile : public SettingsStore {
public:
    using Report = std::function<void(const std::string& message)>;
    // Reads the file (a missing one is an empty file). Each problem goes to report, as
    // "<path> line N: ...", and the first write that fails as "cannot write <path>: ...".
    SettingsFile(std::string path, const Report& report);

    bool setDword(const char* name, uint32_t value) override;
    bool setString(const char* name, const char* text) override;
    bool readValue(const char* name, StoredType& type, std::string& bytes) override;
    bool deleteValue(const char* name) override;
    void beginBatch() override;
    bool endBatch() override;

    const std::string& path() const { return path_; }

private:
    struct Line {
        std::string text;  // the line as it stands in the file
        std::string name;  // empty for a comment, a blank or a line that is not a setting
        bool usable = false;
    };
    std::string path_;
    std::vector<Line> lines_;
    Report report_;
    bool writeFailureReported_ = false;
    int batchDepth_ = 0;
    bool batchChanged_ = false;
    std::vector<Line> beforeBatch_;  // what the file held when the batch began

    // Writes the changed lines now, or at the batch's end; false (and the lines as
    // before) when they cannot be written.
    bool commit(std::vector<Line>&& before);
    // The lines to go back to should a change not reach the file (within a batch, the
    // batch keeps them).
    std::vector<Line> undoCopy() const;

    void read();
    bool write();
    // Reports the first failed write; false.
    bool writeFailed(const std::string& reason);
    bool put(const std::string& name, const std::string& value);
    Line* lineOf(const std::string& name);
};

// The text of a value as the file holds it (kept apart for its tests): the value of a
// "name = value" line, or false when the line is no such line.
bool splitSettingLine(const std::string& line, std::string& name, std::string& value);
// A decimal written by the program ("0.440000") as a person would write it ("0.44").
std::string tidyDecimal(const std::string& text);
