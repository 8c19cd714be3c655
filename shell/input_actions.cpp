// Key and character commands carried out.
#include "shell/input_actions.h"

#include "lamp/capture.h"
#include "lamp/frame_pipeline.h"
#include "overlay/overlay_menu.h"
#include "settings/settings.h"
#include "settings/view_operations.h"

namespace {
void call(const std::function<void()>& action) {
    if (action) action();
}
constexpr float screenshotNoteSeconds = 2;
}  // namespace

void takeScreenshotAndSay() {
    FramePipeline& frame = pipeline();
    const Screenshot shot = capture().takeScreenshot(frame.viewportWidth, frame.viewportHeight,
                                                     [&frame] { frame.renderFrame(false, false, false); });
    if (shot.path.empty()) return;
    if (shot.written)
        showOverlayNote("Saved " + shot.path, screenshotNoteSeconds, "Saved " + shot.name);
    else
        showOverlayNote("Could not save the screenshot " + shot.name, screenshotNoteSeconds);
}

void runKeyCommand(const KeyCommand& command, const ShellInputActions& actions) {
    pipeline().userActive = true;
    switch (command.action) {
        case KeyAction::Close:
            call(actions.close);
            break;
        case KeyAction::TogglePause:
            pipeline().animate = !pipeline().animate;
            break;
        case KeyAction::ToggleMovie:
            if (capture().movieRecording()) {
                capture().stopMovie();
            } else {
                capture().startMovie(pipeline().viewportWidth, pipeline().viewportHeight);
            }
            break;
        case KeyAction::Help:
            call(actions.help);
            break;
        case KeyAction::Translate:
            addTranslation(command.a, command.b);
            break;
        case KeyAction::SpinAngle:
            addSpinAngle(command.a);
            break;
        case KeyAction::Zoom:
            addZoom(command.a);
            break;
        case KeyAction::Orbit:
            addOrbit(command.a, command.b);
            break;
        case KeyAction::SpinSpeed:
            addSpinSpeed(command.a);
            break;
        case KeyAction::Brake:
            pipeline().spinBrake = true;
            break;
        case KeyAction::None:
            break;
    }
}

void runCharacterCommand(CharacterAction action, const ShellInputActions& actions) {
    pipeline().userActive = true;
    switch (action) {
        case CharacterAction::TogglePolygons:
            theSettings->showPolygons.toggle();
            break;
        case CharacterAction::ToggleParticles:
            theSettings->showParticles.toggle();
            break;
        case CharacterAction::Configure:
            call(actions.configure);
            break;
        case CharacterAction::Screenshot:
            takeScreenshotAndSay();
            break;
        case CharacterAction::Help:
            call(actions.help);
            break;
        case CharacterAction::FullScreen:
            call(actions.fullScreen);
            break;
        case CharacterAction::None:
            break;
    }
}
