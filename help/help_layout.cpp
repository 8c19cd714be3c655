#include "help/help_layout.h"

#include <algorithm>

HelpLayout helpLayoutFor(int width, int height) {
    HelpLayout layout;
    layout.document = {5, 5, std::max(0, width - 10), std::max(0, height - 40)};
    layout.okButton = {width - 80, height - 30, 75, 25};
    layout.link = {5, height - 25, 150, 20};
    return layout;
}

bool strictlyInside(int left, int top, int right, int bottom, int x, int y) {
    return x > left && x < right && y > top && y < bottom;
}
