// Where the help viewer's controls go for a client area, and the link's hit test. Kept
// apart from the dialog so that the arithmetic can be tested without a window.
#pragma once

struct ControlRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct HelpLayout {
    ControlRect document;  // the rich-edit control, filling all but a strip at the bottom
    ControlRect okButton;  // bottom right
    ControlRect link;      // bottom left
};

// The controls for a client area of width by height pixels. The document keeps a 5-pixel
// margin and leaves 35 pixels at the bottom for the button row; a client area too small
// for that gives the document no size rather than a negative one.
HelpLayout helpLayoutFor(int width, int height);

// Whether a point lies strictly inside a rectangle given by its edges: a point on an edge
// is outside, so the link takes clicks only well within its text.
bool strictlyInside(int left, int top, int right, int bottom, int x, int y);
