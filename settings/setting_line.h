// One line of the settings file, as a codec apart from the store that merges the file:
//
//   lavaHue = 0.6     # blue
//
// is key "lavaHue", value "0.6" and the comment "     # blue", which stays with the line
// when the program writes a new value into it. A key names a stored value: a setting (the
// key the table gives it, or the spelling an older release wrote, such as
// "shiftLeftRightSS"), the lava's records and count, or the few other values the program
// keeps. Values are read and written in a person's words (setting_values.h); the store
// beneath keeps registry-shaped values (a DWORD, or text with its terminating zero).
#pragma once

#include <cstdint>
#include <string>

#include "platform/settings_store.h"
#include "settings/setting_values.h"

struct SettingLineParts {
    std::string key, value, comment;  // comment: from the blanks before its '#', or empty
};
// False for a line that is no "key = value" line (a comment or blank is not one either).
bool splitSettingLine(const std::string& line, SettingLineParts& parts);
std::string joinSettingLine(const SettingLineParts& parts);

// What a key's value is.
enum class FileValueKind { Unknown, Setting, Flag, Whole, Text };

struct FileKey {
    FileValueKind kind = FileValueKind::Unknown;
    std::string storedName;              // the name the store knows it by
    const SettingRow* row = nullptr;     // for a setting
    bool legacy = false;                 // an older release's spelling of the key
};
// The meaning of a key as a person wrote it; kind Unknown for a key the program does not
// know (its storedName is then the key itself).
FileKey fileKeyOf(const std::string& key);
// The key the file writes a stored name under ("shiftLeftRightSaver" for
// "shiftLeftRightSS"); the name itself for every value whose key is its name.
std::string keyOfStoredName(const std::string& storedName);

// The units a file speaks: what this release writes, or the 1.1.0 release's, whose frame
// rate is an index into the frame-rate table (its files are known by its header line).
enum class FileUnits { Current, FrameRateIndex };
extern const char* const settingsFileHeader;
extern const char* const settingsFileHeaderOfFrameRateIndex;

struct FileValue {
    bool usable = false;
    SpokenRead read = SpokenRead::Bad;
    StoredType type = StoredType::String;
    std::string bytes;  // what the store hands on, within the range
    std::string taken;  // the value as taken, in a person's words, when read is not Exact
};
FileValue fileValueOf(const FileKey& key, const std::string& value, FileUnits units = FileUnits::Current);
// A stored value in a person's words for the file.
std::string fileTextOfDword(const FileKey& key, uint32_t value);
std::string fileTextOfString(const FileKey& key, const std::string& text);
// What a key takes, for a report: "a whole number", "true or false", …
std::string fileKindWords(const FileKey& key);
