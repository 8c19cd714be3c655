// What the rest of the program may ask of the main window, whatever the platform.
#pragma once

// The one way the program closes its own window: marks the close as requested, then
// posts the close message (which the screen saver lets through after the password check).
void requestClose();

// Windowed <-> full screen: ends this process and starts the program file again with
// "/f" or "/w" once this one has saved its settings. Does nothing in the other modes.
void toggleFullScreen();
