// Fitting controls to their text.
#include "shell/control_fit.h"

#include <algorithm>

ClientSize fitToText(std::vector<FittedControl>& controls, ClientSize client, int margin) {
    ClientSize size = client;
    // Downwards first, from the top: a control moved down may itself need to grow.
    std::vector<FittedControl*> byTop;
    for (FittedControl& control : controls) byTop.push_back(&control);
    std::stable_sort(byTop.begin(), byTop.end(),
                     [](const FittedControl* a, const FittedControl* b) { return a->top < b->top; });
    for (FittedControl* control : byTop) {
        const int grow = control->neededHeight - control->height;
        if (grow <= 0) continue;
        const int oldBottom = control->top + control->height;
        control->height += grow;
        for (FittedControl& other : controls)
            if (&other != control && other.top >= oldBottom) other.top += grow;
        size.height += grow;
    }
    for (FittedControl& control : controls) {
        if (control.neededWidth <= control.width) continue;
        control.width = control.neededWidth;
        size.width = std::max(size.width, control.left + control.width + margin);
    }
    return size;
}
