// Lamp start-up and frame reading.
#include "lamp/lamp_startup.h"

#include "lamp/lamp_scene.h"
#include "platform/gl.h"
#include "scene/image.h"

namespace {
constexpr int warmUpSteps = 2500;
constexpr float warmUpDt = 0.02f;
}  // namespace

void createLampScene(uint32_t seed) {
    delete theLampScene;
    theLampScene = new LampScene(seed);
}

void destroyLampScene() {
    delete theLampScene;
    theLampScene = nullptr;
}

void warmUpLava() {
    for (int n = 0; n < warmUpSteps; ++n) theLampScene->step(warmUpDt);
}

void readFrameBufferInto(Image& image) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels);
}

Image* readFrameBuffer(int width, int height) {
    Image* image = new Image(width, height);
    readFrameBufferInto(*image);
    return image;
}
