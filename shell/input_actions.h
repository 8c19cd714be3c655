// What a key or character command does, the same in every shell: the view, the pause and
// the movie here, and what needs the platform (closing, the help, the configuration, the
// screen mode) through the shell's own actions.
#pragma once

#include <functional>

#include "shell/input_tables.h"

struct ShellInputActions {
    std::function<void()> close, help, configure, fullScreen;
};

void runKeyCommand(const KeyCommand& command, const ShellInputActions& actions);
void runCharacterCommand(CharacterAction action, const ShellInputActions& actions);
