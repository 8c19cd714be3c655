// The pointer seam on Windows: the program's cursors, the mouse capture, the buttons.
#pragma once

#include "platform/pointer.h"

class Win32PointerPort : public PointerPort {
public:
    PointerShape shape() override;
    void setShape(PointerShape shape) override;
    bool captured() override;
    bool anyButtonDown() override;
};

Win32PointerPort& windowsPointer();
