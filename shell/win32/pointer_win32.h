// The pointer seam on Windows: the program's cursors, the mouse capture, the buttons.
#pragma once

#include <windows.h>

#include "platform/pointer.h"

class Win32PointerPort : public PointerPort {
public:
    // The program's cursors from its resources (the arrow from the system).
    void makeCursors(HINSTANCE instance);
    PointerShape shape() override;
    void setShape(PointerShape shape) override;
    bool captured() override;
    bool anyButtonDown() override;

private:
    HCURSOR cursorFor(PointerShape shape) const;
    HCURSOR blank_ = nullptr, arrow_ = nullptr, move_ = nullptr, rotate_ = nullptr, orbit_ = nullptr;
};
