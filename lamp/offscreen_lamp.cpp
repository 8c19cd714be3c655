// The offscreen lamp.
#include "lamp/offscreen_lamp.h"

#include "lamp/frame_buffer.h"
#include "platform/offscreen_context.h"
#include "scene/image.h"

OffscreenLamp::OffscreenLamp(int width, int height, uint32_t seed, SettingsStore* store)
    : context(std::make_unique<OffscreenContext>(width, height)), width(width), height(height) {
    if (!context->ok()) return;
    lamp_ = std::make_unique<Lamp>(Windowed, seed, store);
    lamp_->setupGL(width, height, OffscreenContext::procedure);
}

OffscreenLamp::~OffscreenLamp() {
    // The lamp's lights, textures and the quadric belong to this context: given back while
    // it is still current.
    if (lamp_) lamp_->releaseGL();
}

bool OffscreenLamp::ok() const { return context->ok(); }

std::unique_ptr<Image> OffscreenLamp::readFrame() const {
    return std::unique_ptr<Image>(readFrameBuffer(width, height));
}
