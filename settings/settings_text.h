// The settings file's text as the lines it is made of, read and written back byte for byte:
// a byte-order mark before the first line, each line's ending (LF or CR LF), the units
// its values are in (known by its header line), and for each line the stored name its key
// gives. A person's blank lines, comments, comments after values and lines the program
// does not understand stay exactly as they were; changes go into their lines' places.
// The store that merges the file (settings_file.h) works on this text.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "settings/setting_line.h"

struct SettingsTextLine {
    std::string text;   // the line as it stands in the file, without its line ending
    std::string name;   // the stored name its key gives; empty for a comment, a blank or a
                        // line that is not a "key = value" line
    bool ours = false;  // written by the program (a name it does not know reads back too)
    bool crlf = false;  // it ended in CR LF
};

// A value the program changed: written in a person's words, or taken away.
struct SettingsChange {
    std::string name;  // the stored name
    bool remove = false;
    std::string value;
};

// A line the reader cannot use: its number (from 1), its text, and what is wrong with it.
using SettingsLineProblem = std::function<void(int number, const std::string& line, const std::string& what)>;

class SettingsText {
public:
    // The file's bytes as lines; each line it cannot use goes to `problem` (may be null).
    static SettingsText parse(const std::string& bytes, const SettingsLineProblem& problem);
    std::string bytes() const;

    // The line that gives a name its value (the last, where the name stands twice).
    const SettingsTextLine* lineOf(const std::string& name) const;
    // Each name's value as the store holds it (registry-shaped bytes), or its words where
    // they are no value the key can have.
    std::map<std::string, std::string> storedValues() const;
    // The changes made: a changed value in the place of its line (the last, if the name
    // stands twice; under today's key, with the line's comment and line ending), a new one
    // at the end (a setting above the lava's records) in the file's line ending, a removed
    // one gone; the whole in today's units under today's header.
    void apply(const std::vector<SettingsChange>& changes);

    std::vector<SettingsTextLine> lines;
    bool bom = false;
    bool crlf = false;  // new lines end as the first one does
    FileUnits units = FileUnits::Current;

private:
    void index();
    void sayInTodaysUnits();
    std::unordered_map<std::string, size_t> last_;  // each name's last line
};

// The value and the key of a "key = value" line; empty for any other line.
std::string valueOfLine(const std::string& line);
std::string keyOfLine(const std::string& line);
