// The dialog seam on Windows: a dialog window's check boxes, trackbars and labels.
#pragma once

#include <windows.h>

#include "platform/dialog_port.h"

class Win32DialogPort : public DialogPort {
public:
    explicit Win32DialogPort(HWND dialog) : dialog_(dialog) {}
    HWND window() const { return dialog_; }

    void checkButton(int controlId, bool checked) override;
    bool isButtonChecked(int controlId) override;
    void setTrackbarRange(int controlId, int minimum, int maximum) override;
    void setTrackbarPosition(int controlId, int position) override;
    int trackbarPosition(int controlId) override;
    void setTrackbarSteps(int controlId, int lineSize, int pageSize) override;
    void enableControl(int controlId, bool enabled) override;
    void setControlText(int controlId, const char* text) override;

private:
    HWND dialog_;
};
