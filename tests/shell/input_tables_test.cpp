// The key table: the keys that ignore the modifiers. (The arrows under every modifier are
// the input cases both programs' tests run for real, and they press every letter too.)
#include <gtest/gtest.h>

#include "shell/input_tables.h"

namespace {

Modifiers mods(bool ctrl, bool shift, bool alt) {
    Modifiers m;
    m.ctrl = ctrl;
    m.shift = shift;
    m.leftAlt = alt;
    return m;
}

TEST(KeyTable, OtherKeys) {
    for (int bits = 0; bits < 8; ++bits) {
        const Modifiers m = mods(bits & 1, bits & 2, bits & 4);
        EXPECT_EQ(keyCommand(Key::Escape, m).action, KeyAction::Close);
        EXPECT_EQ(keyCommand(Key::Space, m).action, KeyAction::Close);
        EXPECT_EQ(keyCommand(Key::Pause, m).action, KeyAction::TogglePause);
        EXPECT_EQ(keyCommand(Key::F1, m).action, KeyAction::Help);
        EXPECT_EQ(keyCommand(Key::Other, m).action, KeyAction::None);
        // Only Ctrl and Shift together make M start or stop a movie.
        EXPECT_EQ(keyCommand(Key::M, m).action, (m.ctrl && m.shift) ? KeyAction::ToggleMovie : KeyAction::None)
            << bits;
    }
}

}  // namespace
