// The key and character tables.
#include "shell/input_tables.h"

namespace {

// Left, right, up, down: the step of each arrow for a command.
struct ArrowSteps {
    float dx, dy;  // moving the lamp or orbiting: the arrow's direction
    float turn;    // Ctrl: turn by degrees (left, right) or zoom (up, down)
};

ArrowSteps stepsOf(Key key) {
    switch (key) {
        case Key::Left:
            return {-1, 0, -10};
        case Key::Right:
            return {1, 0, 10};
        case Key::Up:
            return {0, -1, -2};
        default:
            return {0, 1, 2};
    }
}

}  // namespace

KeyCommand keyCommand(Key key, Modifiers m) {
    switch (key) {
        case Key::Escape:
        case Key::Space:
            return {KeyAction::Close};
        case Key::Pause:
            return {KeyAction::TogglePause};
        case Key::M:
            return m.ctrl && m.shift ? KeyCommand{KeyAction::ToggleMovie} : KeyCommand{};
        case Key::F1:
            return {KeyAction::Help};
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
            break;
        case Key::Other:
            return {};
    }
    const ArrowSteps s = stepsOf(key);
    const bool sideways = key == Key::Left || key == Key::Right;
    if (m.leftAlt || (m.ctrl && m.shift)) return {KeyAction::Translate, s.dx, s.dy};
    if (m.ctrl) return {sideways ? KeyAction::SpinAngle : KeyAction::Zoom, s.turn};
    if (m.shift) return {KeyAction::Orbit, s.dx * 3, s.dy * 3};
    if (sideways) return {KeyAction::SpinSpeed, s.dx * 0.25f};
    return {KeyAction::Brake};
}

CharacterAction characterCommand(unsigned character) {
    switch (character) {
        case 'p':
        case 'P':
            return CharacterAction::TogglePolygons;
        case 'o':
        case 'O':
            return CharacterAction::ToggleParticles;
        case 'c':
        case 'C':
            return CharacterAction::Configure;
        case 's':
        case 'S':
            return CharacterAction::Screenshot;
        case 'h':
        case 'H':
            return CharacterAction::Help;
        case 'f':
        case 'F':
            return CharacterAction::FullScreen;
        default:
            return CharacterAction::None;
    }
}
