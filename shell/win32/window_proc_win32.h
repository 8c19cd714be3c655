// The lamp window's procedure: life-cycle messages in every run mode; keys, characters
// and the mouse in the modes where the user may play with the lamp.
#pragma once

#include <windows.h>

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
