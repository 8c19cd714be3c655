// Which module the Win32 resources seam reads: the executable itself unless told otherwise
// (the test helper points it at the real program file loaded as data).
#pragma once

#include <windows.h>

void useResourceModule(HMODULE module);
