// The recording platform of the lamp's life's tests.
#include "tests/fakes/null_platform.h"

#include <algorithm>

bool NullPlatform::makeGLContext() {
    record("makeGLContext");
    if (!giveContext) return false;
    context_ = std::make_unique<OffscreenContext>(width, height);
    return context_->ok();
}

void NullPlatform::makeMenuFont(float) { record(context_ ? "makeMenuFont" : "makeMenuFont without a context"); }

void* NullPlatform::glProcedure(const char* name) { return context_ ? OffscreenContext::procedure(name) : nullptr; }

void NullPlatform::releaseGLContext() {
    record("releaseGLContext");
    context_.reset();
}

void NullPlatform::swapBuffers() { record(context_ ? "swapBuffers" : "swapBuffers without a context"); }

bool NullPlatform::beforeFrame() {
    record("beforeFrame");
    return frameAllowed;
}

uint32_t NullPlatform::createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick, void* context) {
    record("createThreadTimer " + std::to_string(intervalMs));
    if (refuseTimers) return noThreadTimer;
    const uint32_t id = nextTimerId_++;
    timers[id] = {intervalMs, tick, context};
    ++timersCreated;
    if (timerCreated) timerCreated();
    return id;
}

void NullPlatform::destroyThreadTimer(uint32_t timerId) {
    record("destroyThreadTimer");
    if (timers.erase(timerId)) ++timersDestroyed;
}

int NullPlatform::count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

int NullPlatform::firstAt(const std::string& call) const {
    const auto at = std::find(calls.begin(), calls.end(), call);
    return at == calls.end() ? -1 : static_cast<int>(at - calls.begin());
}

void NullPlatform::fire(uint32_t timerId) {
    const auto at = timers.find(timerId);
    if (at != timers.end()) at->second.tick(at->second.context, timerId);
}

void NullPlatform::tick() {
    std::vector<uint32_t> ids;
    for (const auto& [id, timer] : timers) ids.push_back(id);
    for (uint32_t id : ids) fire(id);
}
