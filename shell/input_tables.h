// What keys and characters do in the modes where the user may play with the lamp: pure
// tables, so that every modifier combination can be tested without a window.
#pragma once

enum class Key { Left, Right, Up, Down, Escape, Space, Pause, M, F1, Other };

// Left Alt counts as Alt; the right one does not.
struct Modifiers {
    bool ctrl = false, shift = false, leftAlt = false;
};

enum class KeyAction { None, Close, TogglePause, ToggleMovie, Help, Translate, SpinAngle, Zoom, Orbit, SpinSpeed, Brake };

struct KeyCommand {
    KeyAction action = KeyAction::None;
    float a = 0, b = 0;  // the amounts: (dx, dy) or one value
};

// The arrows: left Alt moves the lamp (and wins over Ctrl and Shift), Ctrl and Shift
// together move it too, Ctrl turns (left, right) or zooms (up, down), Shift orbits, alone
// left and right change the spin and up and down brake it.
KeyCommand keyCommand(Key key, Modifiers modifiers);

enum class CharacterAction { None, TogglePolygons, ToggleParticles, Configure, Screenshot, Help, FullScreen };

CharacterAction characterCommand(unsigned character);
