// The settings as a text file a person can read and edit (the Linux program's store):
//
//   # Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives
//   lavaHue = 0.33     # blue
//   showParticles = false
//   frameRate = 25
//
// One "key = value" line per value, in a person's words (setting_line.h, setting_values.h),
// the file's text kept line for line (settings_text.h):
// flags as true or false, the frame rate in frames a second, the priority by name, numbers
// as written. Blank lines, comments (# or ;), a comment after a value and lines the program
// does not understand stay in the file exactly as they were, and so do a byte-order mark
// and the lines' endings (LF or CR LF); each line it cannot use is reported once (the
// first few of a file by name, the rest as a count), and otherwise ignored. A number outside its setting's range is taken into
// the range and reported; text that is no value is reported and the setting keeps its
// default. A file the 1.1.0 release wrote (its header says so) gives the frame rate as an
// index into the frame-rate table; it reads as it always did, and the first save turns it
// into frames a second and gives the file today's header.
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
#include "settings/settings_text.h"

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
    void reportUnusable(const char* name, const std::string& what, const std::string& instead) override;
    void tell(const std::string& sentence) override;

    const std::string& path() const { return file_.path(); }

    // The file was changed since this store last read it or saved it, by someone else.
    bool changedOnDisk() const;
    // Reads the file again; returns the names whose values differ from what this store
    // last read or wrote (a value taken away counts too). New problems are reported.
    std::vector<std::string> reload();

private:
    SharedFile file_;
    Report report_;
    SettingsText base_;                    // the file as this store last read or wrote it
    std::vector<SettingsChange> pending_;  // this run's changes not yet saved, in order
    FileStamp stamp_;
    bool knownFresh_ = false;  // stamp_ is the file as the base has it
    std::set<std::string> reported_;
    std::set<std::string> failuresReported_;
    int batchDepth_ = 0;

    // The text of the file; each new problem reported (the first few by name, the rest as
    // a count) when `reportProblems`.
    SettingsText parse(const std::string& bytes, bool reportProblems);
    // Saves the pending changes now, or at the batch's end; false (and the changes
    // dropped) when they cannot be saved.
    bool commit();
    bool save();
    const SettingsChange* changeOf(const std::string& name) const;
    bool put(const std::string& name, const std::string& value);
    bool sameValue(const std::string& name, const std::string& a, const std::string& b) const;
};
