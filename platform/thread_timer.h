// Seam: periodic timers delivered on the GUI thread from inside message dispatch, so that
// frames keep coming inside the nested loops of modal dialogs and message boxes.
#pragma once

#include <cstdint>

constexpr uint32_t noThreadTimer = 0xFFFFFFFFu;

// Called with the timer's id on every tick.
using ThreadTimerTick = void (*)(uint32_t timerId);

// Returns the id the system chose, or noThreadTimer when no timer could be made.
uint32_t createThreadTimer(uint32_t intervalMs, ThreadTimerTick tick);
void destroyThreadTimer(uint32_t timerId);
