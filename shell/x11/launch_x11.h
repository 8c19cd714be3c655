// Programs the lamp starts beside itself: the manual page in a terminal, the settings file
// in the user's editor, the web site in the browser, and the program itself again.
#pragma once

#include <string>
#include <vector>

class LampLife;

// The words as the argument vector exec and spawn take (pointing into the words).
std::vector<char*> argumentVector(std::vector<std::string>& words);
// Starts a program beside this one; false when it could not be started.
bool launchBeside(const std::vector<std::string>& command);
// The menu's and the keys' help and configuration. Where no terminal or editor is found,
// a line on standard error and a note on the lamp say what to open by hand.
void openManual(LampLife& life);
void openSettingsFile(LampLife& life);
