// Renders the lamp offscreen exactly as the program draws it, or a scene file, and writes
// the frame as a 24-bit BMP.
//   render_lamp [--width W] [--height H] [--seed S] [--steps N] [--frames F]
//               [--particles] [--polygons] [--set NAME=VALUE]... [--out FILE]
//               [--write-scene FILE] [--scene FILE] [--verbose]
// The lava is warmed up as at start-up, advanced N more steps, then F frames are drawn
// (each advancing the lava once); the last one is written. --set gives a setting (a colour,
// the lamp heat, the view) its value, by the name it is stored under. --write-scene also
// writes the lamp of that frame as a scene file. --scene draws the scene file instead of
// the lamp (its lava, if any, advanced N steps), with the settings' lava. The program's
// diagnostic lines (the polygoniser's sizes, the complexity) show only with --verbose.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "lamp/lamp_scene_file.h"
#include "lamp/offscreen_lamp.h"
#include "lava/scene_blobs.h"
#include "scene/bmp.h"
#include "scene/file_scene.h"
#include "scene/image.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
    int width = 533, height = 600, steps = 0, frames = 1;
    unsigned seed = 1;
    bool particles = false, polygons = false, verbose = false;
    std::string out = "lamp.bmp", sceneOut, sceneIn;
    std::vector<std::pair<std::string, float>> assignments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--particles") particles = true;
        else if (option == "--verbose") verbose = true;
        else if (option == "--polygons") polygons = true;
        else if (option == "--width" && hasValue) width = std::atoi(argv[++i]);
        else if (option == "--height" && hasValue) height = std::atoi(argv[++i]);
        else if (option == "--seed" && hasValue) seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        else if (option == "--steps" && hasValue) steps = std::atoi(argv[++i]);
        else if (option == "--frames" && hasValue) frames = std::atoi(argv[++i]);
        else if (option == "--out" && hasValue) out = argv[++i];
        else if (option == "--write-scene" && hasValue) sceneOut = argv[++i];
        else if (option == "--scene" && hasValue) sceneIn = argv[++i];
        else if (option == "--set" && hasValue) {
            const std::string assignment = argv[++i];
            const size_t equals = assignment.find('=');
            char* end = nullptr;
            const float value = equals == std::string::npos
                                    ? 0.0f
                                    : std::strtof(assignment.c_str() + equals + 1, &end);
            if (equals == std::string::npos || !end || *end != 0) {
                std::fprintf(stderr, "render_lamp: cannot set %s\n", assignment.c_str());
                return 2;
            }
            assignments.emplace_back(assignment.substr(0, equals), value);
        }
        else {
            std::fprintf(stderr, "render_lamp: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (width < 1 || height < 1 || width > 8192 || height > 8192 || frames < 1 || steps < 0) {
        std::fprintf(stderr, "render_lamp: size must be 1..8192, frames at least 1, steps not negative\n");
        return 2;
    }
    if (!verbose && !std::freopen("/dev/null", "w", stdout)) return 1;
    OffscreenLamp offscreen(width, height, seed == 0 ? 1 : seed);
    if (!offscreen.ok()) {
        std::fprintf(stderr, "render_lamp: no offscreen OpenGL context\n");
        return 1;
    }
    Lamp& lamp = offscreen.lamp();
    Settings& settings = *lamp.settings;
    if (particles) settings.showParticles.setValue(true);
    if (polygons) settings.showPolygons.setValue(true);
    for (const auto& [name, value] : assignments) {
        if (!settings.setByName(name, value)) {
            std::fprintf(stderr, "render_lamp: there is no setting %s\n", name.c_str());
            return 2;
        }
    }
    if (!sceneIn.empty()) {
        FileScene scene;
        // Numbers a failing scene file prints before its message go with the message.
        const SceneReadResult read = SceneReader(lavaSceneHooks(), stderr, stderr).readFile(sceneIn, scene);
        if (!read.ok) {
            std::fputs(read.message.c_str(), stderr);
            return 1;
        }
        for (int n = 0; n < steps; ++n) drawFileScene(scene, lamp.scene->glass.engine.parameters, width, height, 0.02f, lamp.pipeline.complexity);
        drawFileScene(scene, lamp.scene->glass.engine.parameters, width, height, 0, lamp.pipeline.complexity);
    } else {
        lamp.scene->warmUp();
        for (int n = 0; n < steps; ++n) lamp.scene->step(0.02f);
        for (int n = 0; n < frames; ++n) lamp.renderFrame(true, false);
    }
    if (!sceneOut.empty()) {
        std::FILE* file = std::fopen(sceneOut.c_str(), "w");
        if (!file) {
            std::fprintf(stderr, "Couldn't open %s for writing\n", sceneOut.c_str());
            return 1;
        }
        writeLampScene(*lamp.scene, settings, file);
        if (std::fclose(file) != 0) {
            std::fprintf(stderr, "render_lamp: could not write %s\n", sceneOut.c_str());
            return 1;
        }
    }

    std::unique_ptr<Image> frame = offscreen.readFrame();
    std::FILE* file = std::fopen(out.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "Couldn't open %s for writing\n", out.c_str());
        return 1;
    }
    writeBmp(frame.get(), file, false);
    if (std::fclose(file) != 0) {
        std::fprintf(stderr, "render_lamp: could not write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
