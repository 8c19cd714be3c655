// The pointer seam on X11: the program's own cursors (from the same .cur files as on
// Windows, in the two colours of core X cursors), a blank one in full screen, and the
// buttons held (X grabs the pointer for the window while one is: that is the drag).
#pragma once

#include "platform/pointer.h"

struct LampWindowX11;
typedef unsigned long XID;
typedef XID Cursor;

class X11PointerPort : public PointerPort {
public:
    explicit X11PointerPort(LampWindowX11& lamp) : lamp_(lamp) {}
    PointerShape shape() override { return shape_; }
    void setShape(PointerShape shape) override;
    bool captured() override { return buttonsHeld_ != 0; }
    bool anyButtonDown() override { return buttonsHeld_ != 0; }

    void press(unsigned button) { buttonsHeld_ |= 1u << button; }
    void release(unsigned button) { buttonsHeld_ &= ~(1u << button); }

private:
    LampWindowX11& lamp_;
    PointerShape shape_ = PointerShape::Arrow;
    Cursor cursor_ = 0;
    unsigned buttonsHeld_ = 0;
};
