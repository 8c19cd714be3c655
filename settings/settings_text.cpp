// The settings file's text as lines.
#include "settings/settings_text.h"

#include <cstring>

#include "settings/settings_table.h"
#include "settings/stored_value_names.h"

namespace {

bool isComment(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos || text[first] == '#' || text[first] == ';';
}

FileUnits unitsOf(const std::string& firstLine) {
    std::string first = firstLine;
    while (!first.empty() && first.back() == ' ') first.pop_back();
    return first == settingsFileHeaderOfFrameRateIndex ? FileUnits::FrameRateIndex : FileUnits::Current;
}

const char* const byteOrderMark = "\xEF\xBB\xBF";

bool isLavaRecord(const std::string& name) { return isBlobRecordName(name) || name == blobCountValue; }

}  // namespace

std::string valueOfLine(const std::string& line) {
    SettingLineParts parts;
    splitSettingLine(line, parts);
    return parts.value;
}

std::string keyOfLine(const std::string& line) {
    SettingLineParts parts;
    splitSettingLine(line, parts);
    return parts.key;
}

SettingsText SettingsText::parse(const std::string& bytes, const SettingsLineProblem& report) {
    SettingsText text;
    size_t start = 0;
    if (bytes.compare(0, 3, byteOrderMark) == 0) {
        text.bom = true;
        start = 3;
    }
    int number = 0;
    auto problem = [&](const std::string& line, const std::string& what) {
        if (report) report(number, line, what);
    };
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        SettingsTextLine line{bytes.substr(start, end - start), "", false, false};
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
    text.index();
    return text;
}

void SettingsText::index() {
    last_.clear();
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].name.empty()) last_[lines[i].name] = i;
}

const SettingsTextLine* SettingsText::lineOf(const std::string& name) const {
    const auto found = last_.find(name);
    return found == last_.end() ? nullptr : &lines[found->second];
}

std::string SettingsText::bytes() const {
    std::string text = bom ? byteOrderMark : "";
    // Every byte of a line goes back, a zero byte among them (a text file can hold one).
    for (const SettingsTextLine& line : lines) text += line.text + (line.crlf ? "\r\n" : "\n");
    return text;
}

std::map<std::string, std::string> SettingsText::storedValues() const {
    std::map<std::string, std::string> values;
    for (const auto& [name, at] : last_) {
        const SettingsTextLine& line = lines[at];
        const FileKey key = fileKeyOf(keyOfLine(line.text));
        const FileValue value = fileValueOf(key, valueOfLine(line.text), line.ours ? FileUnits::Current : units);
        values[name] = value.usable ? value.bytes : "\n" + valueOfLine(line.text);
    }
    return values;
}

// A file in the frame-rate index's units said in today's: its frame rate in frames a
// second (a rate it cannot use stays as written, and is reported as it was), under
// today's header.
void SettingsText::sayInTodaysUnits() {
    if (units == FileUnits::Current) return;
    for (SettingsTextLine& line : lines) {
        SettingLineParts parts;
        if (line.name.empty() || !splitSettingLine(line.text, parts)) continue;
        const FileKey key = fileKeyOf(parts.key);
        if (key.kind != FileValueKind::Setting || key.row->unit != SettingUnit::FramesPerSecond) continue;
        const FileValue value = fileValueOf(key, parts.value, units);
        if (value.read == SpokenRead::Bad || value.bytes.size() != 4) continue;
        int32_t index = 0;
        std::memcpy(&index, value.bytes.data(), 4);
        parts.value = spokenValue(*key.row, static_cast<float>(index));
        line.text = joinSettingLine(parts);
    }
    if (!lines.empty() && lines.front().text.rfind(settingsFileHeaderOfFrameRateIndex, 0) == 0)
        lines.erase(lines.begin());
    units = FileUnits::Current;
}

void SettingsText::apply(const std::vector<SettingsChange>& changes) {
    sayInTodaysUnits();
    for (const SettingsChange& change : changes) {
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
                         {joinSettingLine({key, change.value, ""}), change.name, true, crlf});
        }
    }
    if (lines.empty() || lines.front().text.rfind("# Glimmerjar", 0) != 0)
        lines.insert(lines.begin(), {settingsFileHeader, "", false, crlf});
    index();
}
