// Definitions of the shell's flags.
#include "shell/shell_state.h"

bool glReady = false;
bool closeRequested = false;
bool configShownOnce = false;
