// What a key or character command does, the same in every shell: the view, the pause and
// the movie on the lamp, and what needs the platform (the help, the configuration) through
// the life's table of operations.
#pragma once

#include "shell/input_tables.h"

class LampLife;

void runKeyCommand(LampLife& life, const KeyCommand& command);
void runCharacterCommand(LampLife& life, CharacterAction action);
