// Screenshots and movies on a file system in memory: the numbering, the recording's
// folder and frames, a resize ending it, and a full disk leaving no partial file.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "lamp/capture.h"
#include "lamp/offscreen_lamp.h"
#include "tests/fakes/fake_file_system.h"

namespace {


class CaptureTest : public ::testing::Test {
protected:
    // A lamp of this size whose pictures go to the disk in memory.
    void makeLamp(int width, int height) {
        offscreen = std::make_unique<OffscreenLamp>(width, height, 3);
        ASSERT_TRUE(offscreen->ok());
        lamp().capture = std::make_unique<Capture>(&disk);
    }
    Lamp& lamp() { return offscreen->lamp(); }
    // A screenshot of the frame as the program takes one.
    Screenshot takeScreenshot() {
        const FramePipeline& frame = lamp().pipeline;
        return lamp().capture->takeScreenshot(frame.viewportWidth, frame.viewportHeight,
                                              [this] { lamp().renderFrame(false, false); });
    }
    void startMovie() { lamp().capture->startMovie(lamp().pipeline.viewportWidth, lamp().pipeline.viewportHeight); }
    bool recording() { return lamp().capture->movieRecording(); }
    FakeFileSystem disk;
    std::unique_ptr<OffscreenLamp> offscreen;
};

// A screenshot's size as its BMP header says.
std::pair<int, int> bmpSize(const std::string& file) {
    const auto at = [&](size_t i) { return static_cast<unsigned char>(file[i]); };
    return {at(18) | at(19) << 8, at(22) | at(23) << 8};
}

TEST_F(CaptureTest, ScreenshotsTakeTheFirstFreeNumber) {
    makeLamp(64, 96);
    disk.files["C:\\Desktop\\GlimmerjarScreenshot_0.bmp"] = "x";
    disk.files["C:\\Desktop\\GlimmerjarScreenshot_1.bmp"] = "x";
    disk.files["C:\\Desktop\\GlimmerjarScreenshot_3.bmp"] = "x";
    const Screenshot taken = takeScreenshot();
    EXPECT_TRUE(taken.written);
    EXPECT_EQ(taken.path, "C:\\Desktop\\GlimmerjarScreenshot_2.bmp");
    EXPECT_EQ(taken.name, "GlimmerjarScreenshot_2.bmp");
    const std::string& shot = disk.files["C:\\Desktop\\GlimmerjarScreenshot_2.bmp"];
    ASSERT_EQ(shot.size(), 54u + 64u * 3u * 96u);
    EXPECT_EQ(shot.substr(0, 2), "BM");
    EXPECT_EQ(bmpSize(shot), std::make_pair(64, 96));
    takeScreenshot();
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarScreenshot_4.bmp"));

    // Without a desktop folder the files go to the current folder.
    disk.desktop = "";
    takeScreenshot();
    EXPECT_TRUE(disk.exists("GlimmerjarScreenshot_0.bmp"));
}

TEST_F(CaptureTest, AFullDiskLeavesNoPartialFile) {
    makeLamp(64, 96);
    disk.budget = 1000;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(takeScreenshot().written);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarScreenshot_0.bmp"));
    EXPECT_NE(printed.find("Couldn't write C:\\Desktop\\GlimmerjarScreenshot_0.bmp"), std::string::npos) << printed;

    // A movie frame that does not fit is tried again under the same number.
    disk.budget = static_cast<size_t>(-1);
    startMovie();
    ASSERT_TRUE(recording());
    disk.budget = 100;
    lamp().renderFrame(true, false);
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarMovie0\\00000.bmp"));
    disk.budget = static_cast<size_t>(-1);
    lamp().renderFrame(true, false);
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarMovie0\\00000.bmp"));
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarMovie0\\00001.bmp"));

    // A desktop that cannot be written to: nothing is recorded, nothing breaks.
    lamp().capture->stopMovie();
    disk.unwritable = true;
    takeScreenshot();
    startMovie();
    EXPECT_FALSE(recording());
}

TEST_F(CaptureTest, AMovieIsOneNumberedFilePerFrameInANewFolder) {
    makeLamp(48, 64);
    disk.folders.insert("C:\\Desktop\\GlimmerjarMovie0");
    startMovie();
    ASSERT_TRUE(recording());
    for (int n = 0; n < 3; ++n) lamp().renderFrame(true, true);
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarMovie1\\00000.bmp"));
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarMovie1\\00002.bmp"));
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarMovie1\\00003.bmp"));

    // A second start ends the first recording and begins the next folder.
    startMovie();
    lamp().renderFrame(true, true);
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarMovie2\\00000.bmp"));
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarMovie1\\00003.bmp"));

    // A resized window ends the recording; the frames stay.
    lamp().resizeViewport(40, 64);
    lamp().renderFrame(true, true);
    EXPECT_FALSE(recording());
    EXPECT_FALSE(disk.exists("C:\\Desktop\\GlimmerjarMovie2\\00001.bmp"));
    EXPECT_TRUE(disk.exists("C:\\Desktop\\GlimmerjarMovie2\\00000.bmp"));
}

TEST_F(CaptureTest, FrameNumbersGrowPastFiveDigitsAndFoldersStopAtAHundred) {
    makeLamp(16, 16);
    for (int i = 0; i < 100; ++i) disk.folders.insert("C:\\Desktop\\GlimmerjarMovie" + std::to_string(i));
    testing::internal::CaptureStdout();
    startMovie();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("at most 100 movie folders"), std::string::npos);
    EXPECT_FALSE(recording());

    disk.folders.clear();
    startMovie();
    ASSERT_TRUE(recording());
    EXPECT_EQ(movieFrameName("C:\\Desktop\\GlimmerjarMovie0", "\\", 7), "C:\\Desktop\\GlimmerjarMovie0\\00007.bmp");
    EXPECT_EQ(movieFrameName("M", "/", 99999), "M/99999.bmp");
    EXPECT_EQ(movieFrameName("M", "/", 100000), "M/100000.bmp");
    EXPECT_EQ(screenshotName("", 12), "GlimmerjarScreenshot_12.bmp");
    EXPECT_EQ(movieFolderName("D/", 3), "D/GlimmerjarMovie3");
}

}  // namespace
