// The lamp written as a scene file and read back draws the lamp's picture; hand-written
// scene files draw what they say.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "lamp/frame_pipeline.h"
#include "lamp/lamp_scene.h"
#include "lamp/lamp_scene_file.h"
#include "lamp/offscreen_lamp.h"
#include "lava/scene_blobs.h"
#include "scene/file_scene.h"
#include "scene/image.h"
#include "scene/light.h"
#include "settings/settings.h"
#include "tests/lamp/picture_hues.h"

namespace {

class LampSceneFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreen = std::make_unique<OffscreenLamp>(266, 300, 4242);
        ASSERT_TRUE(offscreen->ok());
    }
    void TearDown() override { offscreen.reset(); }

    // The lamp's own frame, without stepping the lava (one step of no time groups it).
    std::unique_ptr<Image> lampFrame() {
        offscreen->scene().step(0);
        offscreen->lamp().renderFrame(false, false);
        return offscreen->readFrame();
    }
    std::string writtenLamp() {
        std::FILE* file = std::tmpfile();
        writeLampScene(offscreen->scene(), offscreen->settings(), file);
        std::string text(static_cast<size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        EXPECT_EQ(std::fread(&text[0], 1, text.size(), file), text.size());
        std::fclose(file);
        return text;
    }
    // The scene file's frame, drawn after the lamp gave back its lights.
    std::unique_ptr<Image> sceneFrame(const std::string& text) {
        for (Light* light : offscreen->scene().lights) light->release();
        FileScene scene;
        const SceneReadResult read = SceneReader(lavaSceneHooks()).readText(text, "lamp.scene", scene);
        EXPECT_TRUE(read.ok) << read.message;
        drawFileScene(scene, offscreen->scene().glass.engine.parameters, 266, 300, 0, offscreen->pipeline().complexity);
        std::unique_ptr<Image> frame = offscreen->readFrame();
        for (Light* light : scene.lights) light->release();
        return frame;
    }

    std::unique_ptr<OffscreenLamp> offscreen;
};

bool isLava(const Image::Pixel& p) { return p.r > 120 && p.g < 60 && p.b < 60; }

// How two pictures of the lamp differ: everywhere, away from the lava, and in the lava's
// outline.
struct Difference {
    double changedShare = 0;         // pixels with a channel off by more than 16
    double changedAwayFromLava = 0;  // the same among pixels that are lava in neither
    double outlineMismatch = 0;      // lava in one only, of lava in either
};

bool changed(const Image::Pixel& p, const Image::Pixel& q) {
    return std::abs(p.r - q.r) > 16 || std::abs(p.g - q.g) > 16 || std::abs(p.b - q.b) > 16;
}

Difference differenceOf(const Image& a, const Image& b) {
    long changedPixels = 0, away = 0, awayChanged = 0, lavaEither = 0, lavaOne = 0;
    const long pixels = static_cast<long>(a.width) * a.height;
    for (long k = 0; k < pixels; ++k) {
        const Image::Pixel& p = a.pixels[k];
        const Image::Pixel& q = b.pixels[k];
        const bool differs = changed(p, q);
        changedPixels += differs;
        if (isLava(p) || isLava(q)) {
            ++lavaEither;
            lavaOne += isLava(p) != isLava(q);
        } else {
            ++away;
            awayChanged += differs;
        }
    }
    Difference d;
    d.changedShare = static_cast<double>(changedPixels) / static_cast<double>(pixels);
    d.changedAwayFromLava = static_cast<double>(awayChanged) / static_cast<double>(away);
    d.outlineMismatch = lavaEither ? static_cast<double>(lavaOne) / static_cast<double>(lavaEither) : 1.0;
    return d;
}

}  // namespace

TEST_F(LampSceneFileTest, TheLampWrittenAndReadBackDrawsTheLampsPicture) {
    // Turned, spun and moved, so that every transform the lamp applies is in the file.
    offscreen->settings().rot_angle.setValue(100);
    offscreen->settings().rotateViewX.setValue(20);
    offscreen->settings().translateY.setValue(2);
    std::unique_ptr<Image> lamp = lampFrame();
    std::unique_ptr<Image> back = sceneFrame(writtenLamp());
    ASSERT_EQ(back->width, lamp->width);
    const Difference d = differenceOf(*lamp, *back);
    // The vessel reads back exactly; the lava in its place and shape, lit a little
    // differently (a scene file cannot light the lava apart from the vessel).
    EXPECT_LT(d.changedAwayFromLava, 0.002);
    EXPECT_LT(d.outlineMismatch, 0.03);
    EXPECT_LT(d.changedShare, 0.05);
    std::printf("changed %.4f, away from the lava %.4f, lava outline %.4f\n", d.changedShare, d.changedAwayFromLava,
                d.outlineMismatch);
}

// The lava material is written with the lava's colour, and the scene read back shows no
// lava of another colour.
TEST_F(LampSceneFileTest, TheLavaKeepsItsColourInTheFile) {
    for (int n = 0; n < 2500; ++n) offscreen->scene().step(0.02f);
    offscreen->settings().lavaHue.setValue(0.6f);
    std::unique_ptr<Image> lamp = lampFrame();
    const std::string text = writtenLamp();
    const Point3D blue = offscreen->scene().material[LampScene::lavaMaterial].diffuse;
    EXPECT_GT(blue.z, 0.5f);
    EXPECT_LT(blue.x, 0.1f);
    char expected[160];
    std::snprintf(expected, sizeof expected, "#material\n   %f %f %f\n   %f %f %f\n", blue.x, blue.y, blue.z, blue.x,
                  blue.y, blue.z);
    const size_t lava = text.find(expected);
    ASSERT_NE(lava, std::string::npos) << "the lava material's ambient and diffuse are the lava's colour";
    EXPECT_LT(lava, text.find("!lava!"));
    std::unique_ptr<Image> back = sceneFrame(text);
    for (const Image* frame : {lamp.get(), back.get()}) {
        const HueCount count = countHues(*frame, 216);
        EXPECT_LE(count.red, 5);
        EXPECT_GT(count.chosen, 300);
    }
}

TEST_F(LampSceneFileTest, HandWrittenScenesDrawWhatTheySay) {
    const std::string folder = std::string(GLIMMERJAR_SOURCE_DIR) + "/docs/scenes/";
    const auto draw = [&](const char* name) {
        FileScene scene;
        const SceneReadResult read = SceneReader(lavaSceneHooks()).readFile(folder + name, scene);
        EXPECT_TRUE(read.ok) << read.message;
        drawFileScene(scene, offscreen->scene().glass.engine.parameters, 266, 300, 0, offscreen->pipeline().complexity);
        std::unique_ptr<Image> frame = offscreen->readFrame();
        for (Light* light : scene.lights) light->release();
        return frame;
    };
    // Pixels by their place in the picture, from the top left, as fractions of its size.
    const auto at = [](const Image& frame, float x, float y) {
        const int column = static_cast<int>(x * static_cast<float>(frame.width));
        const int row = frame.height - 1 - static_cast<int>(y * static_cast<float>(frame.height));
        return frame.pixels[static_cast<size_t>(row) * static_cast<size_t>(frame.width) + static_cast<size_t>(column)];
    };

    std::unique_ptr<Image> still = draw("still_life.scene");
    const Image::Pixel sky = at(*still, 0.05f, 0.05f), sphere = at(*still, 0.29f, 0.5f),
                       box = at(*still, 0.62f, 0.52f), glass = at(*still, 0.79f, 0.58f),
                       table = at(*still, 0.5f, 0.62f);
    EXPECT_EQ(sky.b, 38) << "the background";
    EXPECT_TRUE(sphere.r > 150 && sphere.g < 60) << "the red sphere";
    EXPECT_TRUE(box.r > 120 && std::abs(box.r - box.b) < 40) << "the paper box";
    EXPECT_TRUE(glass.g > glass.r + 40 && glass.g > glass.b) << "the green glass";
    EXPECT_TRUE(table.r > 100 && table.g > 100) << "the table's triangles";

    // Two instances of the written lamp: lava on the left and on the right.
    std::unique_ptr<Image> two = draw("two_lamps.scene");
    EXPECT_TRUE(isLava(at(*two, 0.28f, 0.45f))) << "the left lamp's lava";
    EXPECT_TRUE(isLava(at(*two, 0.7f, 0.5f))) << "the right lamp's lava";
    EXPECT_FALSE(isLava(at(*two, 0.5f, 0.5f))) << "between them";
}
