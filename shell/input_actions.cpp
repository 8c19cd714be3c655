// Key and character commands carried out.
#include "shell/input_actions.h"

#include "lamp/lamp.h"
#include "settings/view_operations.h"
#include "shell/lamp_life.h"
#include "shell/platform_operations.h"

void runKeyCommand(LampLife& life, const KeyCommand& command) {
    Lamp* lamp = life.lamp();
    if (!lamp) return;
    FramePipeline& frame = lamp->pipeline;
    Settings& settings = *lamp->settings;
    frame.userActive = true;
    switch (command.action) {
        case KeyAction::Close:
            life.requestClose();
            break;
        case KeyAction::TogglePause:
            frame.animate = !frame.animate;
            break;
        case KeyAction::ToggleMovie:
            if (lamp->capture->movieRecording())
                lamp->capture->stopMovie();
            else
                lamp->capture->startMovie(frame.viewportWidth, frame.viewportHeight);
            break;
        case KeyAction::Help:
            life.platform().openHelp();
            break;
        case KeyAction::Translate:
            addTranslation(settings, command.a, command.b);
            break;
        case KeyAction::SpinAngle:
            addSpinAngle(settings, command.a);
            break;
        case KeyAction::Zoom:
            addZoom(settings, command.a);
            break;
        case KeyAction::Orbit:
            addOrbit(settings, command.a, command.b);
            break;
        case KeyAction::SpinSpeed:
            addSpinSpeed(settings, command.a);
            break;
        case KeyAction::Brake:
            frame.spinBrake = true;
            break;
        case KeyAction::None:
            break;
    }
}

void runCharacterCommand(LampLife& life, CharacterAction action) {
    Lamp* lamp = life.lamp();
    if (!lamp) return;
    lamp->pipeline.userActive = true;
    switch (action) {
        case CharacterAction::TogglePolygons:
            lamp->settings->showPolygons.toggle();
            break;
        case CharacterAction::ToggleParticles:
            lamp->settings->showParticles.toggle();
            break;
        case CharacterAction::Configure:
            life.platform().openSettings();
            break;
        case CharacterAction::Screenshot:
            life.takeScreenshotAndSay();
            break;
        case CharacterAction::Help:
            life.platform().openHelp();
            break;
        case CharacterAction::FullScreen:
            life.toggleFullScreen();
            break;
        case CharacterAction::None:
            break;
    }
}
