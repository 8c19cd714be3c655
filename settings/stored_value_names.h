// The names of the values the settings store keeps besides the settings table's rows:
// one place for the shells that write them and the settings file that must know their kind.
#pragma once

#include <string>

// Whether a start without arguments opens full screen (the mode the user left).
constexpr const char* startFullScreenValue = "startFullScreen";
// The lava: the number of blob records, and each record by its place in the list.
constexpr const char* blobCountValue = "noBlobsSaved";
std::string blobRecordName(int index);  // "blob000", "blob001", …
bool isBlobRecordName(const std::string& name);
// The monitor a lamp switching screen mode hands to the lamp it starts.
constexpr const char* handOverXValue = "screenModeSwitchX";
constexpr const char* handOverYValue = "screenModeSwitchY";
