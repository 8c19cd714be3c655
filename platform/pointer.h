// Seam: the mouse pointer and the mouse buttons as the overlay sees them. Win32: the
// cursor, the mouse capture and the asynchronous key state; tests: a fake they set.
#pragma once

enum class PointerShape { None, Arrow, Blank, Move, Rotate, Orbit, Other };

class PointerPort {
public:
    virtual ~PointerPort() = default;
    virtual PointerShape shape() = 0;
    virtual void setShape(PointerShape shape) = 0;
    // Some window of this thread holds the mouse capture (a drag is going on).
    virtual bool captured() = 0;
    // The left, middle or right button is down right now.
    virtual bool anyButtonDown() = 0;
};
