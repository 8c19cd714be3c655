// Controls fitted to their text, and the dialog with them.
#include <gtest/gtest.h>

#include "shell/control_fit.h"

TEST(ControlFit, NarrowControlsWidenAndTheDialogKeepsItsMargin) {
    std::vector<FittedControl> controls = {
        {10, 0, 200, 10, 240, 0}, {10, 20, 60, 10, 50, 0}, {240, 40, 30, 10, 34, 0}, {10, 60, 100, 10, 0, 0}};
    // The first reaches 250 and the third 274: the dialog grows to 274 + 9.
    const ClientSize size = fitToText(controls, {280, 100}, 9);
    EXPECT_EQ(size.width, 283);
    EXPECT_EQ(size.height, 100);
    EXPECT_EQ(controls[0].width, 240);
    EXPECT_EQ(controls[1].width, 60) << "a control wider than its text keeps its width";
    EXPECT_EQ(controls[2].width, 34);
    EXPECT_EQ(controls[3].width, 100);
    // Widened within the dialog: the dialog stays.
    std::vector<FittedControl> inside = {{10, 0, 100, 10, 150, 0}};
    EXPECT_EQ(fitToText(inside, {280, 100}, 9).width, 280);
    EXPECT_EQ(inside[0].width, 150);
}

TEST(ControlFit, AWrappedTextThatNeedsMoreLinesPushesWhatIsBelowItDown) {
    // A note of three lines that needs four, buttons below it, a box beside and above it.
    std::vector<FittedControl> controls = {
        {5, 400, 300, 39, 0, 52}, {5, 445, 60, 20, 0, 0}, {200, 445, 60, 20, 0, 0}, {5, 10, 300, 380, 0, 0}};
    const ClientSize size = fitToText(controls, {310, 470}, 9);
    EXPECT_EQ(size.height, 483);
    EXPECT_EQ(size.width, 310);
    EXPECT_EQ(controls[0].height, 52);
    EXPECT_EQ(controls[1].top, 458);
    EXPECT_EQ(controls[2].top, 458);
    EXPECT_EQ(controls[3].top, 10) << "what is above stays";
    EXPECT_EQ(controls[3].height, 380);
}
