// A setting's value as a person writes and reads it: in the settings file, on the command
// line, in --help and the manual page. Flags are true or false (yes/no, on/off, 1/0 read
// too), numbers are numbers, the frame rate is in frames a second and the priority a name;
// the store beneath keeps what the table stores (a frame-rate index, a priority number).
#pragma once

#include <string>

#include "settings/settings_table.h"

// A person's words for a stored value: "true", "120", "0.44", "25" (frame-rate index 9),
// "low" (priority 0).
std::string spokenValue(const SettingRow& row, float stored);

// How a person's text for a row read.
enum class SpokenRead {
    Bad,         // no value of this kind ("blue" for a number)
    Exact,       // the value as written
    OutOfRange,  // a number beyond the range, taken to its nearer end
    Nearest,     // a frame rate the lamp does not have, taken as the nearest it has
};
// Reads text (already trimmed) into the value the store keeps for the row.
SpokenRead readSpokenValue(const SettingRow& row, const std::string& text, float& stored);

// What the row takes, in words: "true or false", "0 to 1000 %", "0 to 1",
// "1 to 50 frames a second", "low, normal or high".
std::string spokenRange(const SettingRow& row);
// The rates the lamp can draw at, in words: "1, 2, 5, … or 50".
std::string spokenFrameRates();

// The pieces a person's numbers are made of, shared with the settings file's other values.
// A flag: true, yes, on, 1 or false, no, off, 0.
bool flagOf(const std::string& text, bool& flag);
// A number as a person writes one: digits, a sign, a point, an exponent (no hex, no "inf"
// or "nan"), finite.
bool decimalOf(const std::string& text, double& number);
// A whole number as a person may write it, taken into [minimum, maximum] (numbers of any
// length, and a decimal such as 1e9, rounded): false for text that is no whole number.
// `taken` is true when the number was outside the range.
bool wholeInRange(const std::string& text, long long minimum, long long maximum, long long& value, bool& taken);
// A number as the program writes it for a person: "0.44", "120", "-3.5".
std::string numberText(double number);
// A decimal written by the program ("0.440000") as a person would write it ("0.44").
std::string tidyDecimal(const std::string& text);
