// Seam: the few things a setting does to the dialog it is attached to. Controls are named
// by their ids. Win32: platform/win32/dialog_port_win32.h wraps a dialog window; tests use
// a recording fake.
#pragma once

class DialogPort {
public:
    virtual ~DialogPort() = default;
    virtual void checkButton(int controlId, bool checked) = 0;
    virtual bool isButtonChecked(int controlId) = 0;
    // Position range, without redrawing (the position that follows redraws).
    virtual void setTrackbarRange(int controlId, int minimum, int maximum) = 0;
    virtual void setTrackbarPosition(int controlId, int position) = 0;
    virtual int trackbarPosition(int controlId) = 0;
    virtual void setTrackbarSteps(int controlId, int lineSize, int pageSize) = 0;
    virtual void enableControl(int controlId, bool enabled) = 0;
    virtual void setControlText(int controlId, const char* text) = 0;
};
