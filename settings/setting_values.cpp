// Settings' values in a person's words.
#include "settings/setting_values.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "settings/frame_rates.h"

namespace {

// The priority names, by stored value; a person may also write the number.
const char* const priorityWords[] = {"low", "normal", "high"};

SpokenRead readFrameRate(const std::string& text, float& stored) {
    double rate = 0;
    if (!decimalOf(text, rate)) return SpokenRead::Bad;
    const int index = frameRateIndexNearest(rate);
    stored = static_cast<float>(index);
    if (rate < shownFrameRate(0) || rate > shownFrameRate(frameRateCount - 1)) return SpokenRead::OutOfRange;
    return shownFrameRate(index) == rate ? SpokenRead::Exact : SpokenRead::Nearest;
}

SpokenRead readPriority(const std::string& text, float& stored) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (int value = 0; value < 3; ++value) {
        if (lower == priorityWords[value] || text == std::to_string(value)) {
            stored = static_cast<float>(value);
            return SpokenRead::Exact;
        }
    }
    return SpokenRead::Bad;
}

}  // namespace

std::string spokenValue(const SettingRow& row, float stored) {
    const int whole = static_cast<int>(std::lround(stored));
    switch (row.unit) {
        case SettingUnit::FramesPerSecond:
            return std::to_string(shownFrameRate(whole));
        case SettingUnit::PriorityName:
            return priorityWords[static_cast<int>(processPriorityFor(whole))];
        case SettingUnit::Stored:
            break;
    }
    switch (row.kind) {
        case SettingKind::Bool:
            return stored != 0 ? "true" : "false";
        case SettingKind::Int:
            return std::to_string(whole);
        case SettingKind::Float:
            break;
    }
    return numberText(stored);
}

SpokenRead readSpokenValue(const SettingRow& row, const std::string& text, float& stored) {
    switch (row.unit) {
        case SettingUnit::FramesPerSecond:
            return readFrameRate(text, stored);
        case SettingUnit::PriorityName:
            return readPriority(text, stored);
        case SettingUnit::Stored:
            break;
    }
    switch (row.kind) {
        case SettingKind::Bool: {
            bool flag = false;
            if (!flagOf(text, flag)) return SpokenRead::Bad;
            stored = flag ? 1.0f : 0.0f;
            return SpokenRead::Exact;
        }
        case SettingKind::Int: {
            long long whole = 0;
            bool taken = false;
            if (!wholeInRange(text, static_cast<long long>(row.minimum), static_cast<long long>(row.maximum), whole,
                              taken))
                return SpokenRead::Bad;
            stored = static_cast<float>(whole);
            return taken ? SpokenRead::OutOfRange : SpokenRead::Exact;
        }
        case SettingKind::Float:
            break;
    }
    double number = 0;
    if (!decimalOf(text, number)) return SpokenRead::Bad;
    // Compared as the float the setting keeps, so that the ends themselves are inside.
    const float value = static_cast<float>(number);
    if (!std::isfinite(value) || value < row.minimum || value > row.maximum) {
        stored = number < row.minimum ? row.minimum : row.maximum;
        return SpokenRead::OutOfRange;
    }
    stored = value;
    return SpokenRead::Exact;
}

std::string spokenRange(const SettingRow& row) {
    switch (row.unit) {
        case SettingUnit::FramesPerSecond:
            return std::to_string(shownFrameRate(0)) + " to " + std::to_string(shownFrameRate(frameRateCount - 1)) +
                   " frames a second";
        case SettingUnit::PriorityName:
            return "low, normal or high";
        case SettingUnit::Stored:
            break;
    }
    if (row.kind == SettingKind::Bool) return "true or false";
    std::string range = numberText(row.minimum) + " to " + numberText(row.maximum);
    if (*row.unitWord) range += std::string(row.unitWord[0] == '%' ? "" : " ") + row.unitWord;
    return range;
}

std::string spokenFrameRates() {
    std::string rates;
    for (int i = 0; i < frameRateCount; ++i) {
        if (i > 0) rates += i + 1 == frameRateCount ? " or " : ", ";
        rates += std::to_string(shownFrameRate(i));
    }
    return rates;
}

bool flagOf(const std::string& text, bool& flag) {
    static const char* const truths[] = {"true", "yes", "on", "1"};
    static const char* const falsehoods[] = {"false", "no", "off", "0"};
    for (const char* word : truths) {
        if (text != word) continue;
        flag = true;
        return true;
    }
    for (const char* word : falsehoods) {
        if (text != word) continue;
        flag = false;
        return true;
    }
    return false;
}

bool decimalOf(const std::string& text, double& number) {
    if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(number);
}

bool wholeInRange(const std::string& text, long long minimum, long long maximum, long long& value, bool& taken) {
    taken = false;
    if (text.empty()) return false;
    const size_t digits = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos) {
        // Digits only: any length, so that nothing wraps.
        errno = 0;
        const long long whole = std::strtoll(text.c_str(), nullptr, 10);
        if (errno == ERANGE) {
            value = whole < 0 ? minimum : maximum;
        } else {
            value = whole < minimum ? minimum : whole > maximum ? maximum : whole;
        }
        taken = errno == ERANGE || value != whole;
        return true;
    }
    // A whole number in a decimal's form (1e9, 250.0); a fraction is no whole number.
    double decimal = 0;
    if (!decimalOf(text, decimal) || decimal != std::floor(decimal)) return false;
    value = decimal < static_cast<double>(minimum)   ? minimum
            : decimal > static_cast<double>(maximum) ? maximum
                                                     : static_cast<long long>(decimal);
    taken = static_cast<double>(value) != decimal;
    return true;
}

std::string numberText(double number) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", number);
    return tidyDecimal(text);
}

std::string tidyDecimal(const std::string& text) {
    if (text.find('.') == std::string::npos || text.find_first_of("eE") != std::string::npos) return text;
    std::string tidy = text;
    while (tidy.size() > 1 && tidy.back() == '0') tidy.pop_back();
    if (tidy.back() == '.') tidy.pop_back();
    return tidy == "-0" ? "0" : tidy;
}
