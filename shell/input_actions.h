// What a key or character command does, the same in every shell: the view, the pause and
// the movie here, and what needs the platform (closing, the help, the configuration, the
// screen mode) through the shell's own actions.
#pragma once

#include <functional>

#include "shell/input_tables.h"

struct ShellInputActions {
    std::function<void()> close, help, configure, fullScreen;
};

// A screenshot, and a note on the lamp for two seconds saying where it went (or that it
// could not be written); the key and the menu's button both take it this way.
void takeScreenshotAndSay();

void runKeyCommand(const KeyCommand& command, const ShellInputActions& actions);
void runCharacterCommand(CharacterAction action, const ShellInputActions& actions);
