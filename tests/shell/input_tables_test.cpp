// The key and character tables over every modifier combination.
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

void expectCommand(const KeyCommand& got, KeyAction action, float a, float b, const char* what) {
    EXPECT_EQ(got.action, action) << what;
    EXPECT_FLOAT_EQ(got.a, a) << what;
    EXPECT_FLOAT_EQ(got.b, b) << what;
}

TEST(KeyTable, ArrowsUnderEveryModifierCombination) {
    struct Arrow {
        Key key;
        float dx, dy, ctrlAmount, spin;
        KeyAction ctrlAction, plainAction;
    };
    const Arrow arrows[] = {{Key::Left, -1, 0, -10, -0.25f, KeyAction::SpinAngle, KeyAction::SpinSpeed},
                            {Key::Right, 1, 0, 10, 0.25f, KeyAction::SpinAngle, KeyAction::SpinSpeed},
                            {Key::Up, 0, -1, -2, 0, KeyAction::Zoom, KeyAction::Brake},
                            {Key::Down, 0, 1, 2, 0, KeyAction::Zoom, KeyAction::Brake}};
    for (const Arrow& arrow : arrows) {
        for (int bits = 0; bits < 8; ++bits) {
            const bool ctrl = bits & 1, shift = bits & 2, alt = bits & 4;
            const KeyCommand got = keyCommand(arrow.key, mods(ctrl, shift, alt));
            const std::string what = "key " + std::to_string(static_cast<int>(arrow.key)) + " mods " + std::to_string(bits);
            if (alt || (ctrl && shift)) {
                expectCommand(got, KeyAction::Translate, arrow.dx, arrow.dy, what.c_str());  // left Alt wins
            } else if (ctrl) {
                expectCommand(got, arrow.ctrlAction, arrow.ctrlAmount, 0, what.c_str());
            } else if (shift) {
                expectCommand(got, KeyAction::Orbit, arrow.dx * 3, arrow.dy * 3, what.c_str());
            } else if (arrow.plainAction == KeyAction::SpinSpeed) {
                expectCommand(got, KeyAction::SpinSpeed, arrow.spin, 0, what.c_str());
            } else {
                EXPECT_EQ(got.action, KeyAction::Brake) << what;
            }
        }
    }
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

TEST(CharacterTable, LettersInEitherCase) {
    const std::pair<char, CharacterAction> table[] = {
        {'p', CharacterAction::TogglePolygons}, {'o', CharacterAction::ToggleParticles},
        {'c', CharacterAction::Configure},      {'s', CharacterAction::Screenshot},
        {'h', CharacterAction::Help},           {'f', CharacterAction::FullScreen}};
    for (const auto& [letter, action] : table) {
        EXPECT_EQ(characterCommand(static_cast<unsigned>(letter)), action) << letter;
        EXPECT_EQ(characterCommand(static_cast<unsigned>(letter - 'a' + 'A')), action) << letter;
    }
    for (unsigned other : {unsigned('a'), unsigned('x'), unsigned('M'), 13u, 0u, 255u}) EXPECT_EQ(characterCommand(other), CharacterAction::None);
}

}  // namespace
