// The settings text file: reading with one report per unusable line, values by the kind
// their name holds and within their setting's range, and saves that merge this run's
// changes into the file as it stands.
#include "settings/settings_file.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <map>

#include "settings/settings_table.h"
#include "settings/stored_value_names.h"

namespace {

bool isComment(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos || text[first] == '#' || text[first] == ';';
}

std::string valueOf(const std::string& line) {
    SettingLineParts parts;
    splitSettingLine(line, parts);
    return parts.value;
}

std::string keyOfLine(const std::string& line) {
    SettingLineParts parts;
    splitSettingLine(line, parts);
    return parts.key;
}

FileUnits unitsOf(const std::string& firstLine) {
    std::string first = firstLine;
    while (!first.empty() && first.back() == ' ') first.pop_back();
    return first == settingsFileHeaderOfFrameRateIndex ? FileUnits::FrameRateIndex : FileUnits::Current;
}

const char* const byteOrderMark = "\xEF\xBB\xBF";

// How many of a parse's problems are named one by one; the rest are counted.
constexpr int problemsNamed = 5;

}  // namespace

void SettingsFile::Text::index() {
    last.clear();
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].name.empty()) last[lines[i].name] = i;
}

const SettingsFile::Line* SettingsFile::Text::lineOf(const std::string& name) const {
    const auto found = last.find(name);
    return found == last.end() ? nullptr : &lines[found->second];
}

std::string SettingsFile::Text::bytes() const {
    std::string text = bom ? byteOrderMark : "";
    // Every byte of a line goes back, a zero byte among them (a text file can hold one).
    for (const Line& line : lines) text += line.text + (line.crlf ? "\r\n" : "\n");
    return text;
}

SettingsFile::SettingsFile(std::string path, const Report& report) : file_(std::move(path)), report_(report) {
    reload();
}

SettingsFile::Text SettingsFile::parse(const std::string& bytes, bool reportProblems) {
    Text text;
    size_t start = 0;
    if (bytes.compare(0, 3, byteOrderMark) == 0) {
        text.bom = true;
        start = 3;
    }
    int number = 0, problems = 0;
    auto problem = [&](const std::string& line, const std::string& what) {
        // Each line once: a file read again reports only what is new in it.
        if (!reportProblems || !report_ || reported_.count(line)) return;
        if (++problems > problemsNamed) return;
        reported_.insert(line);
        report_(path() + " line " + std::to_string(number) + ": " + what);
    };
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        Line line{bytes.substr(start, end - start), "", false, false};
        if (end < bytes.size() && !line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.crlf = true;
        }
        start = end + 1;
        if (++number == 1) {
            text.units = unitsOf(line.text);
            text.crlf = line.crlf;
        }
        SettingLineParts parts;
        if (isComment(line.text)) {
        } else if (!splitSettingLine(line.text, parts)) {
            problem(line.text, "not a setting (a setting reads \"key = value\"); ignored");
        } else if (const FileKey key = fileKeyOf(parts.key); key.kind == FileValueKind::Unknown) {
            line.name = key.storedName;  // kept, so that a later write of the name replaces it
            problem(line.text, "\"" + parts.key + "\" is no setting of Glimmerjar; ignored");
        } else {
            line.name = key.storedName;
            const FileValue value = fileValueOf(key, parts.value, text.units);
            switch (value.read) {
                case SpokenRead::Bad:
                    problem(line.text, "\"" + parts.value + "\" is not " + fileKindWords(key) + " for " + parts.key +
                                           "; the setting keeps its default");
                    break;
                case SpokenRead::OutOfRange:
                    problem(line.text, parts.key + " = " + parts.value + " is outside " +
                                           (key.row ? spokenRange(*key.row) : "the numbers the file can hold") +
                                           "; taken as " + value.taken);
                    break;
                case SpokenRead::Nearest:
                    problem(line.text, parts.key + " = " + parts.value + " is no rate the lamp has (" +
                                           spokenFrameRates() + "); taken as " + value.taken);
                    break;
                case SpokenRead::Exact:
                    break;
            }
        }
        text.lines.push_back(std::move(line));
    }
    if (problems > problemsNamed && reportProblems && report_)
        report_(path() + ": " + std::to_string(problems - problemsNamed) +
                " more lines it cannot use, each ignored and left as it is");
    text.index();
    return text;
}

const SettingsFile::Change* SettingsFile::changeOf(const std::string& name) const {
    for (const Change& change : pending_)
        if (change.name == name) return &change;
    return nullptr;
}

bool SettingsFile::readValue(const char* name, StoredType& type, std::string& bytes) {
    std::string value;
    bool ours = true;
    FileUnits units = FileUnits::Current;  // this run's own values are in today's units
    if (const Change* change = changeOf(name)) {
        if (change->remove) return false;
        value = change->value;
    } else if (const Line* line = base_.lineOf(name)) {
        value = valueOf(line->text);
        ours = line->ours;
        if (!ours) units = base_.units;
    } else {
        return false;
    }
    const FileKey key = fileKeyOf(keyOfStoredName(name));
    if (key.kind == FileValueKind::Unknown && !ours) return false;  // a person's line the program does not know
    const FileValue meaning = fileValueOf(key, value, units);
    if (!meaning.usable) return false;
    type = meaning.type;
    bytes = meaning.bytes;
    return true;
}

bool SettingsFile::sameValue(const std::string& name, const std::string& a, const std::string& b) const {
    if (a == b) return true;
    const FileKey key = fileKeyOf(keyOfStoredName(name));
    if (key.kind == FileValueKind::Unknown || key.kind == FileValueKind::Text) return false;
    const FileValue x = fileValueOf(key, a), y = fileValueOf(key, b);
    // A number taken into its range says something else than it did.
    return x.read == SpokenRead::Exact && y.read == SpokenRead::Exact && x.bytes == y.bytes;
}

bool SettingsFile::put(const std::string& name, const std::string& value) {
    if (name.empty() || name.find_first_of(" \t\r\n=#;") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos || value.find(" #") != std::string::npos ||
        value.find("\t#") != std::string::npos)
        return false;
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    // The value as the file last had it is no change: the file keeps what it holds now
    // (in a file of older units, only a line already written this run can say the same).
    const Line* base = base_.lineOf(name);
    if (base && (base_.units == FileUnits::Current || base->ours) && sameValue(name, valueOf(base->text), value))
        return true;
    pending_.push_back({name, false, value});
    return commit();
}

bool SettingsFile::setDword(const char* name, uint32_t value) {
    return put(name, fileTextOfDword(fileKeyOf(keyOfStoredName(name)), value));
}

bool SettingsFile::setString(const char* name, const char* text) {
    return put(name, fileTextOfString(fileKeyOf(keyOfStoredName(name)), text));
}

bool SettingsFile::deleteValue(const char* name) {
    const bool had = base_.lineOf(name) || (changeOf(name) && !changeOf(name)->remove);
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    if (!had) return false;
    if (base_.lineOf(name)) pending_.push_back({name, true, ""});
    return commit();
}

void SettingsFile::reportUnusable(const char* name, const std::string& what, const std::string& instead) {
    if (report_) report_(path() + ": " + keyOfStoredName(name) + " is not " + what + "; " + instead);
}

void SettingsFile::tell(const std::string& sentence) {
    if (report_) report_(path() + ": " + sentence);
}

void SettingsFile::beginBatch() { ++batchDepth_; }

bool SettingsFile::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    return commit();
}

bool SettingsFile::commit() { return batchDepth_ > 0 || save(); }

namespace {

bool isLavaRecord(const std::string& name) { return isBlobRecordName(name) || name == blobCountValue; }

// A file in the frame-rate index's units said in today's: its frame rate in frames a
// second (a rate it cannot use stays as written, and is reported as it was), under
// today's header.
template <typename Text>
void sayInTodaysUnits(Text& text) {
    if (text.units == FileUnits::Current) return;
    for (auto& line : text.lines) {
        SettingLineParts parts;
        if (line.name.empty() || !splitSettingLine(line.text, parts)) continue;
        const FileKey key = fileKeyOf(parts.key);
        if (key.kind != FileValueKind::Setting || key.row->unit != SettingUnit::FramesPerSecond) continue;
        const FileValue value = fileValueOf(key, parts.value, text.units);
        if (value.read == SpokenRead::Bad || value.bytes.size() != 4) continue;
        int32_t index = 0;
        std::memcpy(&index, value.bytes.data(), 4);
        parts.value = spokenValue(*key.row, static_cast<float>(index));
        line.text = joinSettingLine(parts);
    }
    if (!text.lines.empty() && text.lines.front().text.rfind(settingsFileHeaderOfFrameRateIndex, 0) == 0)
        text.lines.erase(text.lines.begin());
    text.units = FileUnits::Current;
}

// The text with the changes made: a changed value in the place of its line (the last, if
// the name stands twice; under today's key, with the line's comment and line ending), a
// new one at the end (a setting above the lava's records) in the file's line ending, a
// removed one gone.
template <typename Text, typename Change>
void applyChanges(Text& text, const std::vector<Change>& changes) {
    sayInTodaysUnits(text);
    auto& lines = text.lines;
    for (const Change& change : changes) {
        bool replaced = false;
        const std::string key = keyOfStoredName(change.name);
        for (size_t i = lines.size(); i-- > 0;) {
            if (lines[i].name != change.name) continue;
            if (change.remove) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (!replaced) {
                SettingLineParts parts;
                splitSettingLine(lines[i].text, parts);
                parts.key = key;
                parts.value = change.value;
                lines[i].text = joinSettingLine(parts);
                lines[i].ours = true;
                replaced = true;
            }
        }
        if (!change.remove && !replaced) {
            // A new setting goes above the lava's records, which the file keeps last.
            size_t at = lines.size();
            if (!isLavaRecord(change.name))
                for (size_t i = 0; i < lines.size(); ++i)
                    if (isLavaRecord(lines[i].name)) {
                        at = i;
                        break;
                    }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                         {joinSettingLine({key, change.value, ""}), change.name, true, text.crlf});
        }
    }
    if (lines.empty() || lines.front().text.rfind("# Glimmerjar", 0) != 0)
        lines.insert(lines.begin(), {settingsFileHeader, "", false, text.crlf});
    text.index();
}

}  // namespace

bool SettingsFile::save() {
    if (pending_.empty()) return true;
    bool foreign = false;
    std::string error;
    FileStamp stamp;
    const bool saved = file_.update(
        [&](std::string& text) {
            // Someone else wrote the file since the base: their values stay, and the
            // program is to take them (changedOnDisk) rather than count them as its own.
            foreign = knownFresh_ ? file_.stamp() != stamp_ : true;
            foreign = foreign && text != base_.bytes();
            Text now = parse(text, false);
            applyChanges(now, pending_);
            text = now.bytes();
        },
        stamp, error);
    if (saved) {
        applyChanges(base_, pending_);
        stamp_ = stamp;
        knownFresh_ = !foreign;
    } else if (report_ && failuresReported_.insert(error).second) {
        // What was not kept, as a person knows it: the settings by their keys, the lava whole.
        std::vector<std::string> lost;
        for (const Change& change : pending_) {
            const std::string what = isLavaRecord(change.name) ? "the lava" : keyOfStoredName(change.name);
            if (std::find(lost.begin(), lost.end(), what) == lost.end()) lost.push_back(what);
        }
        std::string list;
        for (size_t i = 0; i < lost.size(); ++i) list += (i == 0 ? "" : i + 1 == lost.size() ? " and " : ", ") + lost[i];
        report_("cannot write " + path() + " (" + error + "); not kept: " + list);
    }
    pending_.clear();
    return saved;
}

bool SettingsFile::changedOnDisk() const { return !knownFresh_ || file_.stamp() != stamp_; }

std::vector<std::string> SettingsFile::reload() {
    const FileStamp stamp = file_.stamp();
    std::string text, error;
    if (!file_.read(text, error)) {
        if (report_ && reported_.insert("cannot read").second) report_("cannot read " + path() + " (" + error + ")");
        stamp_ = stamp;
        knownFresh_ = true;
        return {};
    }
    Text now = parse(text, true);
    // The last line of each name is its value; values are compared as the store holds them.
    const auto valuesOf = [](const Text& of) {
        std::map<std::string, std::string> values;
        for (const auto& [name, at] : of.last) {
            const Line& line = of.lines[at];
            const FileKey key = fileKeyOf(keyOfLine(line.text));
            const FileValue value = fileValueOf(key, valueOf(line.text), line.ours ? FileUnits::Current : of.units);
            values[name] = value.usable ? value.bytes : "\n" + valueOf(line.text);
        }
        return values;
    };
    const std::map<std::string, std::string> before = valuesOf(base_), after = valuesOf(now);
    std::vector<std::string> changed;
    for (const auto& [name, value] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != value) changed.push_back(name);
    }
    for (const auto& [name, value] : before)
        if (!after.count(name)) changed.push_back(name);
    base_ = std::move(now);
    stamp_ = stamp;
    knownFresh_ = true;
    return changed;
}
