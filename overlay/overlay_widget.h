// The overlay's widgets: things drawn over the lamp in window pixels (origin top-left, y
// down) that take mouse messages. A group offers each message to its widgets in order
// until one uses it.
#pragma once

#include <vector>

// The window a widget's action works on (a window handle in the Win32 shell).
using WindowRef = void*;

// The mouse messages the overlay tells apart.
enum class MouseEvent { Move, LeftDown, LeftUp, MiddleDown, MiddleUp, RightDown, RightUp, CaptureChanged, Leave, Other };

class OverlayWidget {
public:
    virtual ~OverlayWidget() = default;
    virtual void draw(int complexity) = 0;
    virtual void update(float seconds) = 0;
    // True when the widget used the message and no later widget may see it.
    virtual bool handleMouse(WindowRef window, float x, float y, MouseEvent event) = 0;
};

class OverlayGroup : public OverlayWidget {
public:
    void add(OverlayWidget* widget) { widgets_.push_back(widget); }
    void draw(int complexity) override {
        for (OverlayWidget* widget : widgets_) widget->draw(complexity);
    }
    void update(float seconds) override {
        for (OverlayWidget* widget : widgets_) widget->update(seconds);
    }
    bool handleMouse(WindowRef window, float x, float y, MouseEvent event) override {
        for (OverlayWidget* widget : widgets_)
            if (widget->handleMouse(window, x, y, event)) return true;
        return false;
    }
    const std::vector<OverlayWidget*>& widgets() const { return widgets_; }

private:
    std::vector<OverlayWidget*> widgets_;  // not owned
};
