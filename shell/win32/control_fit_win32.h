// Dialog controls that hold their text in the dialog's font, measured as Windows lays them
// out (a check box's text starts after its box, a push button's inside its edges).
#pragma once

#include <windows.h>

// Widens each check box, push button and one-line label whose text does not fit it, makes
// a word-wrapped label that needs more lines taller (moving what is below it down), and
// grows the dialog with them where it must.
void fitControlsToText(HWND dialog);
