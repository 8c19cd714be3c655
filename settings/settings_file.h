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
// cannot use is reported once, and otherwise ignored. A number outside its setting's range
// is taken into the range and reported; text that is no number is reported and the
// setting keeps its default.
//
// The file is the person's, and other instances share it, so the store never writes an
// older copy over it. It remembers each value as it last read or wrote it (the base); a
// value the program writes that equals its base is no change and is not written. A save
// reads the file as it is at that moment (under the lock every instance takes), puts this
// run's changes into it, each in its line's place or at the end, and replaces the file
// whole: a person's edits and comments, and values another instance saved, stay.
// `reload` follows the file when it changed on disk: it hands back the names whose values
// a person (or another instance) changed, for the program to take.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "platform/shared_file.h"

// What a value name holds, by name: the settings table's rows, and the few values kept
// besides them (the lava's blob records and their count, the start-up choice, the
// per-mode drift switches, a monitor handed over).
enum class FileValueKind { Unknown, Flag, Whole, Decimal, Text };
FileValueKind fileValueKindOf(const std::string& name);

class SettingsFile : public SettingsStore {
public:
    using Report = std::function<void(const std::string& message)>;
    // Reads the file (a missing one is an empty file). Each problem goes to report, as
    // "<path> line N: ...", and the first save that fails as "cannot write <path> ...".
    SettingsFile(std::string path, const Report& report);

    bool setDword(const char* name, uint32_t value) override;
    bool setString(const char* name, const char* text) override;
    bool readValue(const char* name, StoredType& type, std::string& bytes) override;
    bool deleteValue(const char* name) override;
    void beginBatch() override;
    bool endBatch() override;

    const std::string& path() const { return file_.path(); }
    // The file was changed since this store last read it or saved it, by someone else.
    bool changedOnDisk() const;
    // Reads the file again; returns the names whose values differ from what this store
    // last read or wrote (a value taken away counts too). New problems are reported.
    std::vector<std::string> reload();

private:
    struct Line {
        std::string text;  // the line as it stands in the file
        std::string name;  // empty for a comment, a blank or a line that is not a setting
        bool ours = false; // written by this store (a name it does not know reads back too)
    };
    struct Change {
        std::string name;
        bool remove = false;
        std::string line;  // the new line, "name = value"
    };
    SharedFile file_;
    Report report_;
    std::vector<Line> lines_;      // the base: the file as this store last read or wrote it
    std::vector<Change> pending_;  // this run's changes not yet saved, in order
    FileStamp stamp_;
    bool knownFresh_ = false;  // stamp_ is the file as the base has it
    std::set<std::string> reported_;
    bool writeFailureReported_ = false;
    int batchDepth_ = 0;

    std::vector<Line> parse(const std::string& text, bool reportProblems);
    // Saves the pending changes now, or at the batch's end; false (and the changes
    // dropped) when they cannot be saved.
    bool commit();
    bool save();
    const Line* lineOf(const std::string& name) const;
    const Change* changeOf(const std::string& name) const;
    bool put(const std::string& name, const std::string& value);
};

// The text of a value as the file holds it (kept apart for its tests): the value of a
// "name = value" line, or false when the line is no such line.
bool splitSettingLine(const std::string& line, std::string& name, std::string& value);
// A decimal written by the program ("0.440000") as a person would write it ("0.44").
std::string tidyDecimal(const std::string& text);

// A whole number as a person may write it, taken into [minimum, maximum] (numbers of any
// length, and a decimal such as 1e9, rounded): false for text that is no number. `taken`
// is true when the number was outside the range.
bool wholeInRange(const std::string& text, long long minimum, long long maximum, long long& value, bool& taken);
