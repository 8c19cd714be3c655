// Lamp start-up and frame reading.
#include "scene/lamp_startup.h"

#include "platform/gl.h"
#include "scene/image.h"
#include "scene/lamp_scene.h"
#include "settings/setting_effects.h"

void createLampScene(uint32_t seed) {
    delete theLampScene;
    theLampScene = new LampScene(seed);
}

void createLampWithSettings(uint32_t seed) {
    createLampScene(seed);
    applyAllSettings();
}

void warmUpLava() {
    for (int n = 0; n < 100; ++n) theLampScene->step(0.02f);
}

Image* readFrameBuffer(int width, int height) {
    Image* image = new Image(width, height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image->pixels);
    return image;
}
