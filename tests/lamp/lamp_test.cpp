// The lamp: its assembly, its lighting choreography and spins, the automatic motions of a
// frame, and the picture it makes, rendered offscreen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "lava/blob.h"
#include "lava/gl_buffer_emitter.h"
#include "lava/lava_engine.h"
#include "lava/strip_emitter.h"
#include "overlay/bitmap_font.h"
#include "scene/surface_shape.h"
#include "platform/clock.h"
#include "platform/gl.h"
#include "platform/offscreen_context.h"
#include "tests/lamp/picture_hues.h"
#include "tests/scene/matrix_probe.h"
#include "lamp/frame_pipeline.h"
#include "lamp/lamp_viewports.h"
#include "scene/image.h"
#include "lamp/lamp_scene.h"
#include "lamp/offscreen_lamp.h"
#include "scene/light.h"
#include "settings/settings.h"

namespace {

class LampTest : public ::testing::Test {
protected:
    void SetUp() override {
        offscreen = std::make_unique<OffscreenLamp>(533, 600, 4242);
        ASSERT_TRUE(offscreen->ok());
    }
    void TearDown() override { offscreen.reset(); }
    Lamp& lamp() { return offscreen->lamp(); }
    LampScene& scene() { return offscreen->scene(); }
    Settings& settings() { return offscreen->settings(); }
    FramePipeline& frame() { return offscreen->pipeline(); }
    std::unique_ptr<OffscreenLamp> offscreen;
};

struct Colour {
    int r, g, b;
};

Colour pixelAt(const Image& frame, int x, int yFromTop) {
    const Image::Pixel& p = frame.pixels[static_cast<size_t>(frame.height - 1 - yFromTop) * frame.width + x];
    return {p.r, p.g, p.b};
}

bool isLava(const Colour& c) { return c.r > 120 && c.g < 60 && c.b < 60; }
bool isBlack(const Colour& c) { return c.r < 8 && c.g < 8 && c.b < 8; }

// Two frames of one size side by side: the pixels that differ by more than one level in a
// colour (the pictures' tolerance), and the lava pixels of the first.
struct FrameDifference {
    int differing = 0, lava = 0;
};
FrameDifference compareFrames(const Image& first, const Image& second) {
    FrameDifference result;
    for (size_t n = 0; n < static_cast<size_t>(first.width) * static_cast<size_t>(first.height); ++n) {
        const Image::Pixel& a = first.pixels[n];
        const Image::Pixel& b = second.pixels[n];
        result.differing += std::abs(a.r - b.r) > 1 || std::abs(a.g - b.g) > 1 || std::abs(a.b - b.b) > 1;
        result.lava += isLava({a.r, a.g, a.b});
    }
    return result;
}

}  // namespace

// The fills under the lamp light the lava and the liquid but not the metal: they are given
// back before the metal and the inner glass are drawn, and taken again, the lowest free
// numbers once more, before the lava. The key light is dimmed for the lava only.
TEST_F(LampTest, TheFillLightsAreOffForTheMetalAndBackForTheLava) {
    MatrixProbe metal, lava, outer;
    scene().metal->addChild(&metal);
    scene().lava->addChild(&lava);
    scene().outerGlass->addChild(&outer);
    lamp().renderFrame(false, false);
    for (int n = 0; n < 4; ++n) {
        EXPECT_FALSE(metal.lightOn[n]) << n;
        EXPECT_TRUE(lava.lightOn[n]) << n;
        EXPECT_TRUE(outer.lightOn[n]) << n;
    }
    for (MatrixProbe* probe : {&metal, &lava, &outer}) {
        EXPECT_TRUE(probe->lightOn[4]);
        EXPECT_TRUE(probe->lightOn[5]);
    }
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(scene().light[n]->glIndex, static_cast<uint32_t>(GL_LIGHT0 + n)) << n;
    // The key light is dimmed for the lava alone: the metal before it and the outer glass
    // after it see it at full strength.
    EXPECT_FLOAT_EQ(lava.diffuse[5][0], lavaKeyLightDiffuse);
    EXPECT_FLOAT_EQ(metal.diffuse[5][0], keyLightDiffuse);
    EXPECT_FLOAT_EQ(outer.diffuse[5][0], keyLightDiffuse);
    scene().metal->children.pop_back();
    scene().lava->children.pop_back();
    scene().outerGlass->children.pop_back();
}

TEST_F(LampTest, AReleasedLampForgetsItsLightsAndDrawsNothing) {
    lamp().renderFrame(false, false);
    scene().release();
    for (int n = 0; n < 6; ++n) EXPECT_EQ(scene().light[n], nullptr) << n;
    // What the settings may still do after the tear-down touches no freed light, and a
    // frame drawn then is only the cleared background.
    scene().setLampHeat(0.5f);
    lamp().renderFrame(false, false);
    std::unique_ptr<Image> frame = offscreen->readFrame();
    int lit = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 533; ++x) lit += !isBlack(pixelAt(*frame, x, y));
    EXPECT_EQ(lit, 0);
}

TEST_F(LampTest, SpinTurnsTheLavaEightTimesAsFastAsTheVessel) {
    MatrixProbe vessel, lava;
    scene().metal->addChild(&vessel);
    scene().lava->addChild(&lava);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    scene().setSpinAngle(80);
    scene().draw(17);
    EXPECT_NEAR(vessel.yTurn(), 10.0f, 1e-3f);
    EXPECT_NEAR(lava.yTurn(), 80.0f, 1e-3f);
    scene().metal->children.pop_back();
    scene().lava->children.pop_back();
}

TEST_F(LampTest, WireFrameIsSwitchedBackAfterTheDraw) {
    settings().showPolygons.setValue(true);
    lamp().renderFrame(false, false);
    GLint modes[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_FILL);
    EXPECT_EQ(modes[1], GL_FILL);
}

TEST_F(LampTest, SidewaysDriftTurnsAtTwelve) {
    settings().shiftLeftRight.setValue(true);
    settings().shiftX.setValue(11.9996f);
    frame().advanceViewMotions(settings());
    EXPECT_NEAR(settings().shiftX.value(), 12.0001f, 1e-4f);
    frame().advanceViewMotions(settings());  // at 12: turns
    EXPECT_LT(frame().shiftStep, 0.0f);
    EXPECT_NEAR(settings().shiftX.value(), 11.9996f, 1e-4f);
    settings().shiftX.setValue(-12.0f);
    frame().advanceViewMotions(settings());
    EXPECT_FLOAT_EQ(frame().shiftStep, 0.0005f);
    // A key press: glide back to the centre, then drift again from there.
    frame().userActive = true;
    settings().shiftX.setValue(1.0f);
    int frames = 0;
    while (frame().userActive && frames < 1000) {
        frame().advanceViewMotions(settings());
        ++frames;
    }
    EXPECT_EQ(frames, 46);  // 0.95^45 < 0.1 <= 0.95^44
    EXPECT_LT(std::fabs(settings().shiftX.value()), 0.1f);
    settings().shiftLeftRight.setValue(false);
    settings().shiftX.setValue(5);
    frame().advanceViewMotions(settings());
    EXPECT_FLOAT_EQ(settings().shiftX.value(), 4.75f);
}

TEST_F(LampTest, BrakeStopsTheSpinInTwentyFrames) {
    settings().rot_speed.setValue(10);
    frame().spinBrake = true;
    int frames = 0;
    frame().advanceViewMotions(settings());
    EXPECT_FLOAT_EQ(settings().rot_speed.value(), 9.2f);
    ++frames;
    while (frame().spinBrake) {
        frame().advanceViewMotions(settings());
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    EXPECT_FLOAT_EQ(settings().rot_speed.value(), 0.0f);
}

TEST_F(LampTest, HueCyclesAndRecoloursTheLava) {
    settings().lavaHue.setValue(0.995f);
    settings().lavaRotateColor.setValue(0.01f);
    frame().advanceViewMotions(settings());
    EXPECT_NEAR(settings().lavaHue.value(), 0.005f, 1e-6f);
    EXPECT_GT(scene().glass.engine.parameters.lavaColour.x, 0.7f);
}

TEST_F(LampTest, ThePictureIsALavaLamp) {
    for (int n = 0; n < 2500; ++n) scene().step(0.02f);
    lamp().renderFrame(false, false);
    std::unique_ptr<Image> frame = offscreen->readFrame();

    // Black background in the corners and beside the lamp.
    for (auto [x, y] : {std::pair{5, 5}, {527, 5}, {5, 594}, {527, 594}, {60, 300}, {470, 300}})
        EXPECT_TRUE(isBlack(pixelAt(*frame, x, y))) << x << "," << y;
    // Lava inside the vessel (the glass spans about x 180..350 between y 120 and 370).
    int lava = 0, outsideLava = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 533; ++x) {
            if (!isLava(pixelAt(*frame, x, y))) continue;
            (x > 170 && x < 365 && y > 110 && y < 385 ? lava : outsideLava) += 1;
        }
    EXPECT_GT(lava, 2000);
    EXPECT_EQ(outsideLava, 0);
    // The glowing liquid: bright orange in the vessel.
    int glow = 0;
    for (int y = 130; y < 370; ++y)
        for (int x = 180; x < 355; ++x) {
            const Colour c = pixelAt(*frame, x, y);
            glow += c.r > 200 && c.g > 100 && c.b < 80;
        }
    EXPECT_GT(glow, 3000);
    // The metal base below (dark violet, not black) and the cap above the glass.
    const Colour base = pixelAt(*frame, 266, 500), cap = pixelAt(*frame, 266, 85);
    EXPECT_FALSE(isBlack(base));
    EXPECT_FALSE(isBlack(cap));
    EXPECT_GT(base.b, base.g);
    EXPECT_GT(cap.b, cap.g);
    // The bulb glows where the glass meets the base.
    const Colour bulb = pixelAt(*frame, 266, 372);
    EXPECT_GT(bulb.r, 150);

    // The lava moves: 50 steps later the picture is another.
    for (int n = 0; n < 50; ++n) scene().step(0.02f);
    lamp().renderFrame(false, false);
    std::unique_ptr<Image> later = offscreen->readFrame();
    int changed = 0;
    for (size_t n = 0; n < static_cast<size_t>(533 * 600); ++n)
        changed += std::abs(frame->pixels[n].r - later->pixels[n].r) + std::abs(frame->pixels[n].g - later->pixels[n].g) > 30;
    EXPECT_GT(changed, 200);
}

namespace {

// A clock the test moves by hand.
uint32_t handClock = 0;
uint32_t readHandClock() { return handClock; }

TEST(FrameClock, StatisticsStayRightAcrossTheClockWrap) {
    OffscreenLamp offscreen(32, 32, 2);
    ASSERT_TRUE(offscreen.ok());
    Lamp& lamp = offscreen.lamp();
    useClockSource(readHandClock);
    // 49.7 days after start: a second before the 32-bit clock wraps.
    handClock = 0xFFFFFFFFu - 1000u;
    lamp.setupGL(32, 32, OffscreenContext::procedure);
    EXPECT_EQ(static_cast<uint32_t>(lamp.pipeline.startClock), handClock);
    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 200; ++frame) {
        lamp.renderFrame(false, false);
        handClock += 40;  // 25 frames a second, through the wrap at frame 25
    }
    const std::string printed = testing::internal::GetCapturedStdout();
    useClockSource(nullptr);
    EXPECT_NEAR(lamp.pipeline.smoothedFrameRate, 25.0f, 0.5f);
    // The mean since set-up, printed every 100 frames, is 25 too, before and after the wrap.
    EXPECT_NE(printed.find("100 25.25"), std::string::npos) << printed;  // 100 frames in 99 x 40 ms
    EXPECT_NE(printed.find("200 25.12"), std::string::npos) << printed;

    // Half way, 24.8 days in, the readings pass the sign bit of a 32-bit integer.
    useClockSource(readHandClock);
    handClock = 0x7FFFFFFFu - 500u;
    for (int frame = 0; frame < 50; ++frame) {
        lamp.renderFrame(false, false);
        handClock += 40;
    }
    useClockSource(nullptr);
    EXPECT_NEAR(lamp.pipeline.smoothedFrameRate, 25.0f, 0.5f);
}

TEST(FrameClock, TheFirstFrameAfterAWrapMeasuresFromTenMillisecondsBefore) {
    OffscreenLamp offscreen(32, 32, 2);
    ASSERT_TRUE(offscreen.ok());
    Lamp& lamp = offscreen.lamp();
    useClockSource(readHandClock);
    handClock = 30;  // just after the wrap
    lamp.renderFrame(false, false);
    useClockSource(nullptr);
    // 40 ms since "-10": 25 frames a second, weighted 0.1 into the smoothed rate.
    EXPECT_FLOAT_EQ(lamp.pipeline.smoothedFrameRate, 0.1f * 25.0f);
    EXPECT_EQ(lamp.pipeline.lastFrameClock, 30);
}

}  // namespace

// The lava is the colour chosen everywhere, the pool lit by the bulb included, frame after
// frame (a colour that held only in the first frame would pass a single frame), as surfaces
// and as particles.
TEST_F(LampTest, TheLavaHasTheChosenColourEverywhere) {
    struct Case {
        const char* what;
        float hue, saturation, luminance;
        bool particles, heatBlend;
        int chosenAtLeast;
    };
    const Case cases[] = {
        {"green", 0.33f, 1, 0.44f, false, false, 3000}, {"blue", 0.6f, 1, 0.44f, false, false, 3000},
        {"green particles", 0.33f, 1, 0.44f, true, false, 3000}, {"blue particles", 0.6f, 1, 0.44f, true, false, 3000},
        {"grey", 0.33f, 0, 0.44f, false, false, 0}, {"dark green", 0.33f, 1, 0.1f, false, false, 0},
        {"green to blue as it heats", 0.33f, 1, 0.44f, false, true, 1000},
        {"green to blue particles", 0.33f, 1, 0.44f, true, true, 1000},
    };
    for (int n = 0; n < 2500; ++n) scene().step(0.02f);
    for (const Case& c : cases) {
        Settings& s = settings();
        s.lavaHue.setValue(c.hue);
        s.lavaSaturation.setValue(c.saturation);
        s.lavaLuminance.setValue(c.luminance);
        s.showParticles.setValue(c.particles);
        s.differentHotColor.setValue(c.heatBlend);
        s.lavaHueHot.setValue(0.6f);
        for (int n = 0; n < 20; ++n) lamp().renderFrame(true, false);
        const HueCount count = countHues(*offscreen->readFrame(), c.hue * 360);
        EXPECT_LE(count.red, 10) << c.what << ": lava of the material's first colour";
        EXPECT_GE(count.chosen, c.chosenAtLeast) << c.what << ": the lava in its colour";
    }
}

TEST_F(LampTest, BufferObjectsAndVertexArraysDrawTheSameLavaAsImmediateMode) {
    for (int n = 0; n < 2500; ++n) scene().step(0.02f);
    LavaEngine& engine = scene().glass.engine;
    // The offscreen context has OpenGL 1.5: the lamp chose buffer objects by itself.
    StripEmitter* const buffers = engine.emitter;
    ASSERT_NE(buffers, &glArrayEmitter()) << "buffer objects chosen";
    const auto frameWith = [&](StripEmitter& emitter) {
        engine.emitter = &emitter;
        lamp().renderFrame(false, false);
        return offscreen->readFrame();
    };
    // With back faces culled too, so that a triangle wound the wrong way would show; over
    // frames of a moving lava, so that the buffers are taken in turn, grow and are written
    // again; and a lava too large for one pair of buffers, drawn from two.
    for (const int pass : {0, 1, 2, 3, 4, 5}) {
        const bool heatColours = pass != 1;
        settings().differentHotColor.setValue(heatColours);
        if (pass == 2) glEnable(GL_CULL_FACE);
        if (pass == 4) {
            scene().setParticleCount(400);
            settings().renderAccuracy.setValue(200);
        }
        for (int n = 0; n < 40; ++n) scene().step(0.02f);
        std::unique_ptr<Image> reference = frameWith(glStripEmitter());
        std::unique_ptr<Image> arrays = frameWith(glArrayEmitter());
        std::unique_ptr<Image> buffered = frameWith(*buffers);
        const FrameDifference fromArrays = compareFrames(*reference, *arrays);
        const FrameDifference fromBuffers = compareFrames(*reference, *buffered);
        EXPECT_GT(fromArrays.lava, 2000) << "the lava is in the picture";
        EXPECT_LE(fromArrays.differing, 8) << "vertex arrays, pass " << pass;
        EXPECT_LE(fromBuffers.differing, 8) << "buffer objects, pass " << pass;
    }
    glDisable(GL_CULL_FACE);
    engine.emitter = buffers;
}

TEST(GlVersionTest, BufferObjectsFromOpenGL15On) {
    EXPECT_TRUE(glVersionHasBuffers("1.5.0"));
    EXPECT_TRUE(glVersionHasBuffers("4.5 (Compatibility Profile) Mesa 22.3.6"));
    EXPECT_TRUE(glVersionHasBuffers("2.1 Mesa 22.3.6"));
    EXPECT_TRUE(glVersionHasBuffers("1.10"));
    EXPECT_FALSE(glVersionHasBuffers("1.4 Mesa 22.3.6"));
    EXPECT_FALSE(glVersionHasBuffers("1.1.0 Microsoft"));
    EXPECT_FALSE(glVersionHasBuffers("OpenGL ES 3.2 Mesa"));
    EXPECT_FALSE(glVersionHasBuffers("4"));
    EXPECT_FALSE(glVersionHasBuffers(""));
    EXPECT_FALSE(glVersionHasBuffers(nullptr));
}

// A lamp per monitor: each viewport gets a whole lamp of its own shape, from one step and
// one polygonisation; the later viewports draw the first one's surfaces again, so two
// viewports of one size show the same picture. Outside every viewport stays background.
TEST_F(LampTest, EachViewportGetsALampFromOnePolygonisation) {
    for (int n = 0; n < 1500; ++n) scene().step(0.02f);
    settings().shiftLeftRight.setValue(false);
    LavaRenderer& renderer = scene().glass.engine.renderer;
    const auto passesOfAFrame = [&] {
        const uint16_t before = renderer.passStamp;
        lamp().renderFrame(false, false);
        return static_cast<uint16_t>(renderer.passStamp - before);
    };
    const uint16_t passesForOne = passesOfAFrame();
    // Two monitors of 260 x 300 side by side at the bottom; a strip of 13 pixels between
    // them and 300 rows above them belong to no monitor.
    lamp().setViewports({{0, 0, 260, 300}, {273, 0, 260, 300}});
    const uint16_t passesForTwo = passesOfAFrame();
    std::unique_ptr<Image> frame = offscreen->readFrame();
    lamp().setViewports({});
    EXPECT_GT(passesForOne, 0);
    EXPECT_EQ(passesForTwo, passesForOne) << "the lava polygonised once for both viewports";
    int lavaLeft = 0, lavaRight = 0, differing = 0, outside = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 260; ++x) {
            const Colour a = pixelAt(*frame, x, 300 + y), b = pixelAt(*frame, 273 + x, 300 + y);
            lavaLeft += isLava(a);
            lavaRight += isLava(b);
            // Edges may fall a pixel apart (the viewports' offsets round differently).
            differing += std::abs(a.r - b.r) > 48 || std::abs(a.g - b.g) > 48 || std::abs(a.b - b.b) > 48;
        }
    for (int y = 0; y < 300; ++y) {
        for (int x = 260; x < 273; ++x) outside += !isBlack(pixelAt(*frame, x, 300 + y));
        for (int x = 0; x < 533; x += 7) outside += !isBlack(pixelAt(*frame, x, y));
    }
    EXPECT_GT(lavaLeft, 300) << "the first viewport shows the lava";
    EXPECT_NEAR(lavaRight, lavaLeft, lavaLeft / 50) << "the second viewport shows the same lava";
    EXPECT_LT(differing, 260 * 300 / 100) << "the second viewport shows the same lamp";
    EXPECT_EQ(outside, 0) << "nothing drawn outside the viewports";
}

TEST_F(LampTest, TheVesselIsDrawnFromDisplayListsMadeOnceAndReleasedWithTheLamp) {
    LampScene& vessel = scene();
    std::vector<SurfaceShape*> shapes;
    for (Group* part : {vessel.metal, vessel.innerGlass, vessel.outerGlass})
        for (Shape* child : part->children)
            if (auto* surface = dynamic_cast<SurfaceShape*>(child)) shapes.push_back(surface);
    ASSERT_EQ(shapes.size(), 17u);  // eight of the metal, four of the liquid, five of the outer glass
    lamp().renderFrame(false, false);
    std::vector<GLuint> lists;
    for (SurfaceShape* shape : shapes) {
        const GLuint list = shape->geometryList();
        EXPECT_TRUE(glIsList(list));
        EXPECT_FALSE(list >= fontListBase && list < fontListBase + 256) << "a name of the font's lists";
        lists.push_back(list);
    }
    lamp().renderFrame(false, false);
    for (size_t n = 0; n < shapes.size(); ++n) EXPECT_EQ(shapes[n]->geometryList(), lists[n]) << "made once";
    vessel.release();
    for (GLuint list : lists) EXPECT_FALSE(glIsList(list));
}

// The particle view calls one display list of a blob's sphere for every blob: the same
// picture as spheres made anew (which a blob of another radius still gets), one list more
// while the particles are shown and none once they are not, or once the lamp is released.
TEST_F(LampTest, TheParticleViewDrawsEveryBlobFromOneSphereList) {
    const auto listsInUse = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name) count += glIsList(name) ? 1 : 0;
        return count;
    };
    for (int n = 0; n < 500; ++n) scene().step(0.02f);
    lamp().renderFrame(false, false);
    const int surfaces = listsInUse();
    settings().showParticles.setValue(true);
    lamp().renderFrame(false, false);
    std::unique_ptr<Image> fromList = offscreen->readFrame();
    EXPECT_EQ(listsInUse(), surfaces + 1);

    // The first blob's radius a hair larger: the list is made for it, and every other blob
    // is drawn as a sphere made on the spot.
    std::vector<Blob*>& blobs = scene().glass.group.blobs;
    const float radius = blobs.front()->radius;
    blobs.front()->radius = std::nextafter(radius, 2 * radius);
    lamp().renderFrame(false, false);
    std::unique_ptr<Image> madeAnew = offscreen->readFrame();
    blobs.front()->radius = radius;
    const FrameDifference difference = compareFrames(*fromList, *madeAnew);
    EXPECT_GT(difference.lava, 2000) << "the particles are in the picture";
    EXPECT_LE(difference.differing, 8);
    EXPECT_EQ(listsInUse(), surfaces + 1) << "one list, remade for the new radius";

    settings().showParticles.setValue(false);
    lamp().renderFrame(false, false);
    EXPECT_EQ(listsInUse(), surfaces) << "given back when the surfaces are shown again";
    settings().showParticles.setValue(true);
    lamp().renderFrame(false, false);
    scene().release();
    EXPECT_EQ(listsInUse(), 0) << "released with the lamp";
}
