// The help viewer: the manual in a resizable modal dialog, with a link to the web site.
#pragma once

#include <windows.h>

// Shows the manual over parent and returns when the user closes it. The lamp does not
// animate meanwhile. The rich-edit library is loaded on the first call and kept; if it
// cannot be loaded the user is told and nothing else happens.
void openHelpDialog(HWND parent);
