// The configuration dialog (resource 7001) as a modal dialog of the program.
#pragma once

#include <windows.h>

// Shows the dialog over parent, unless it is already open. In the Configure run the
// program ends when the dialog closes.
void openConfigDialog(HWND parent);
