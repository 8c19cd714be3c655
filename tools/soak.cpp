// The lamp's long run, fast-forwarded: the real frame pipeline in a small offscreen context,
// with settings changed at random every few thousand frames (render quality, blob count,
// colours, particles or polygons, time step), and now and then the lava saved to a
// settings file, and put back from what an earlier phase saved (when the blob count still
// matches, as at a start of the lamp). Checks that every blob stays finite and
// inside the glass (within a tolerance), that resident memory stays flat after the first
// ten minutes (the first minute, in a shorter run), and that no OpenGL texture or display
// list is left behind.
//   soak [--frames N] [--seconds S] [--change-every K] [--seed S] [--tolerance T]
//        [--memory-growth-mb M]
// Stops after N frames or S seconds, whichever comes first; exit code 1 on any failure.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "lamp/lamp.h"
#include "lamp/lava_state.h"
#include "lamp/offscreen_lamp.h"
#include "lava/lava_census.h"
#include "overlay/overlay_menu.h"
#include "platform/gl.h"
#include "platform/pointer.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

namespace {

// Resident memory in megabytes (Linux: /proc/self/statm).
double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// Texture names and display lists in use, counted over the first few thousand names.
int glObjects() {
    int count = 0;
    for (GLuint name = 1; name < 4096; ++name) count += (glIsTexture(name) ? 1 : 0) + (glIsList(name) ? 1 : 0);
    return count;
}

// The overlay is drawn as in a window, with a pointer nobody moves.
class StillPointer : public PointerPort {
public:
    PointerShape shape() override { return PointerShape::Arrow; }
    void setShape(PointerShape) override {}
    bool captured() override { return false; }
    bool anyButtonDown() override { return false; }
};

int lavaRestores = 0;  // how many times lava saved by an earlier phase was put back

void changeSettings(Lamp& lamp, SettingsStore* store, std::mt19937& random) {
    Settings& s = *lamp.settings;
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto unit = [&] { return std::uniform_real_distribution<float>(0, 1)(random); };
    s.renderAccuracy.setValue(pick(10, 200));
    if (pick(0, 2) == 0) s.numParticles.setValue(pick(0, 400));
    // Never quite still: blobs that appear outside the wall come in only while time runs.
    s.speed.setValue(pick(20, 1000));
    s.lavaHue.setValue(unit());
    s.lavaLuminance.setValue(unit());
    s.differentHotColor.setValue(pick(0, 1) == 1);
    s.lavaHueHot.setValue(unit());
    s.liquidHue.setValue(pick(0, 100));
    s.bgLuminance.setValue(pick(0, 100));
    s.showParticles.setValue(pick(0, 3) == 0);
    s.showPolygons.setValue(pick(0, 3) == 0);
    if (pick(0, 2) == 0 && restoreLavaState(*lamp.scene, store)) ++lavaRestores;
    if (pick(0, 2) == 0) saveLavaState(*lamp.scene, store);
}

}  // namespace

int main(int argc, char** argv) {
    long long frames = 2600000;  // a day at 30 frames a second
    double seconds = 1e12;
    int changeEvery = 3000;
    unsigned seed = 1;
    float tolerance = 0.001f;
    double growthMb = 16;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--frames") frames = std::atoll(value);
        else if (option == "--seconds") seconds = std::atof(value);
        else if (option == "--change-every") changeEvery = std::atoi(value);
        else if (option == "--seed") seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        else if (option == "--tolerance") tolerance = static_cast<float>(std::atof(value));
        else if (option == "--memory-growth-mb") growthMb = std::atof(value);
        else {
            std::fprintf(stderr, "soak: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (changeEvery < 1) changeEvery = 1;

    // The lava's saves go to a settings file of the run's own.
    const std::string storePath = "/tmp/glimmerjar-soak-" + std::to_string(std::random_device{}());
    std::remove(storePath.c_str());
    SettingsFile store(storePath, [](const std::string&) {});
    OffscreenLamp offscreen(64, 96, seed == 0 ? 1 : seed, &store);
    if (!offscreen.ok()) {
        std::fprintf(stderr, "soak: no offscreen OpenGL context\n");
        return 1;
    }
    Lamp& lamp = offscreen.lamp();
    StillPointer pointer;
    lamp.makeMenu(pointer, MenuActions(), 1);
    OverlayMenu& menu = *lamp.menu;
    menu.layout(64, 96);
    lamp.scene->warmUp();
    // One frame with the menu shown, so that its pictures exist before the count.
    menu.mouse(nullptr, 30, 40, MouseEvent::Move);
    lamp.renderFrame(true, true);
    const int objectsBefore = glObjects();
    std::mt19937 random(seed);
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double memoryAtStart = residentMb();
    double memoryAfterAMinute = -1, memoryAfterTenMinutes = -1, worstEscape = 0;
    int minutesReported = 0;
    long long frame = 0;
    bool failed = false;
    for (; frame < frames && elapsed() < seconds; ++frame) {
        if (frame % changeEvery == 0) changeSettings(lamp, &store, random);
        // A hand on the mouse now and then: the menu shows, fades and shows again.
        if (frame % 200 == 0) menu.mouse(nullptr, static_cast<float>(frame % 400 == 0 ? 10 : 30), 40, MouseEvent::Move);
        lamp.renderFrame(true, true);
        glFinish();  // the frame shown, as a window's buffer swap waits for it
        if (frame % 50 == 0) {
            const LavaGlass& glass = lamp.scene->glass;
            const LavaCensus census = takeCensus(glass.group.blobs, glass.vessel, glass.numClusters());
            worstEscape = std::fmax(worstEscape, census.worstEscape);
            if (!census.allFinite || census.worstEscape > tolerance) {
                std::fprintf(stderr, "soak: frame %lld: %s (escape %.3f)\n", frame,
                             census.allFinite ? "a blob left the glass" : "a blob is not finite",
                             static_cast<double>(census.worstEscape));
                failed = true;
                break;
            }
            const double now = elapsed();
            if (memoryAfterAMinute < 0 && now >= 60) memoryAfterAMinute = residentMb();
            if (memoryAfterTenMinutes < 0 && now >= 600) memoryAfterTenMinutes = residentMb();
            // A line every ten minutes, so that a long run shows how its memory goes.
            if (now >= 600.0 * (minutesReported / 10 + 1)) {
                minutesReported += 10;
                std::printf("minute %d: %lld frames, %.1f MB resident\n", minutesReported, frame, residentMb());
                std::fflush(stdout);
            }
        }
    }
    // The settings back to their defaults, as at the start, before the objects are counted.
    lamp.settings->resetAll();
    lamp.renderFrame(true, false);
    const int objectsAfter = glObjects();
    const double memoryAtEnd = residentMb();
    const double time = elapsed();
    std::printf("frames %lld in %.1f s (%.0f per second)\n", frame, time, static_cast<double>(frame) / time);
    const auto figure = [](double mb) { return mb < 0 ? std::string("(not reached)") : std::to_string(mb).substr(0, 5) + " MB"; };
    std::printf("resident memory: %.1f MB at start, %s after a minute, %s after ten minutes, %.1f MB at the end\n",
                memoryAtStart, figure(memoryAfterAMinute).c_str(), figure(memoryAfterTenMinutes).c_str(), memoryAtEnd);
    std::printf("OpenGL objects: %d before, %d after\n", objectsBefore, objectsAfter);
    std::printf("worst escape from the glass (every 50th frame): %.4f\n", worstEscape);
    std::printf("lava put back from an earlier phase's save: %d times\n", lavaRestores);
    // Against ten minutes in when the run got there: by then every kind of frame the random
    // settings ask for has been drawn once.
    const double baseline = memoryAfterTenMinutes >= 0 ? memoryAfterTenMinutes
                            : memoryAfterAMinute >= 0  ? memoryAfterAMinute
                                                       : memoryAtStart;
    if (memoryAtEnd - baseline > growthMb) {
        std::fprintf(stderr, "soak: resident memory grew by %.1f MB\n", memoryAtEnd - baseline);
        failed = true;
    }
    if (objectsAfter > objectsBefore) {
        std::fprintf(stderr, "soak: %d OpenGL objects left behind\n", objectsAfter - objectsBefore);
        failed = true;
    }
    std::remove(storePath.c_str());
    std::remove((storePath + ".lock").c_str());
    return failed ? 1 : 0;
}
