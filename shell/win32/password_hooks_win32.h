// The screen-saver password of Windows 95, 98 and Me; on the NT family the system asks for
// the password itself and these do nothing.
#pragma once

#include <windows.h>

// Nonzero when the saver may close: the password was right, or none is asked for.
int verifyScreenSaverPassword(HWND window);
void changeScreenSaverPassword(HWND parent);
