// Which close messages end the program.
#include <gtest/gtest.h>

#include "shell/close_policy.h"

TEST(ClosePolicy, OnlyTheScreenSaverBlocksForeignCloses) {
    int asked = 0;
    auto accept = [&asked] { ++asked; return 1; };
    for (RunMode mode : {Preview, Configure, Windowed, FullScreen}) {
        EXPECT_FALSE(shouldBlockClose(mode, false, accept)) << mode;
        EXPECT_FALSE(shouldBlockClose(mode, true, accept)) << mode;
    }
    EXPECT_TRUE(shouldBlockClose(ScreenSaver, false, accept));
    EXPECT_EQ(asked, 0) << "the password is asked only for a requested close";
    EXPECT_FALSE(shouldBlockClose(ScreenSaver, true, accept));
    EXPECT_EQ(asked, 1);
}

TEST(ClosePolicy, RefusedPasswordKeepsTheSaver) {
    EXPECT_TRUE(shouldBlockClose(ScreenSaver, true, [] { return 0; }));
    EXPECT_FALSE(shouldBlockClose(ScreenSaver, true, [] { return -1; }));
}

TEST(PreviewTick, APreviewIsNeverLeftRunning) {
    EXPECT_EQ(previewTick(true, true), PreviewTick::Draw);
    EXPECT_EQ(previewTick(false, true), PreviewTick::DestroyWindow);
    // Its own window already gone: no destroy message will end the loop.
    EXPECT_EQ(previewTick(false, false), PreviewTick::EndLoop);
    EXPECT_EQ(previewTick(true, false), PreviewTick::EndLoop);
}
