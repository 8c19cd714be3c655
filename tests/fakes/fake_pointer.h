// A pointer for the overlay's tests: its shape, the capture and the buttons set by hand.
#pragma once

#include "platform/pointer.h"

class FakePointer : public PointerPort {
public:
    PointerShape shape() override { return shape_; }
    void setShape(PointerShape shape) override { shape_ = shape; }
    bool captured() override { return captured_; }
    bool anyButtonDown() override { return buttonDown_; }

    PointerShape shape_ = PointerShape::Arrow;
    bool captured_ = false;
    bool buttonDown_ = false;
};
