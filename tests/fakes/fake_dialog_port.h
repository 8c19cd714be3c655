// A dialog for the settings to talk to in tests: it keeps the state of every control the
// settings touch (checks, trackbar ranges and positions, enabled flags, label texts) and
// can be moved by hand as a user would move it.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/dialog_port.h"

class FakeDialogPort : public DialogPort {
public:
    void checkButton(int id, bool checked) override { checks[id] = checked; }
    bool isButtonChecked(int id) override { return checks[id]; }
    void setTrackbarRange(int id, int minimum, int maximum) override { ranges[id] = {minimum, maximum}; }
    void setTrackbarPosition(int id, int position) override { positions[id] = position; }
    int trackbarPosition(int id) override { return positions[id]; }
    void setTrackbarSteps(int id, int line, int page) override { steps[id] = {line, page}; }
    void enableControl(int id, bool enabled) override { this->enabled[id] = enabled; }
    void setControlText(int id, const char* text) override { texts[id] = text; }

    bool isEnabled(int id) const {
        const auto found = enabled.find(id);
        return found == enabled.end() || found->second;
    }

    std::map<int, bool> checks;
    std::map<int, std::pair<int, int>> ranges;
    std::map<int, int> positions;
    std::map<int, std::pair<int, int>> steps;
    std::map<int, bool> enabled;
    std::map<int, std::string> texts;
};
