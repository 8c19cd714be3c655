// Controls that hold their text: a one-line control whose text is wider than the control is
// made as wide as the text; a word-wrapped one that needs more lines is made taller, and
// every control below it moves down by as much. The dialog grows to keep its margins.
// Everything else stays as designed.
#pragma once

#include <vector>

struct FittedControl {
    int left = 0, top = 0, width = 0, height = 0;  // in the dialog's client area, pixels
    int neededWidth = 0;   // what a one-line text needs (0: not fitted sideways)
    int neededHeight = 0;  // what a word-wrapped text needs (0: not fitted downwards)
};

struct ClientSize {
    int width = 0, height = 0;
};

// Fits the controls; returns the client size the dialog needs: its own, or more, to keep
// `margin` pixels right of every widened control and its bottom margin below a control
// that moved down.
ClientSize fitToText(std::vector<FittedControl>& controls, ClientSize client, int margin);
