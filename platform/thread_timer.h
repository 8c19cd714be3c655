// Seam: periodic timers delivered on the GUI thread from inside message dispatch, so that
// frames keep coming inside the nested loops of modal dialogs and message boxes.
// Every tick of every timer arrives at timerProc (shell/frame_timer.h) with its id.
#pragma once

#include <cstdint>

constexpr uint32_t noThreadTimer = 0xFFFFFFFFu;

// Returns the id the system chose, or noThreadTimer when no timer could be made.
uint32_t createThreadTimer(uint32_t intervalMs);
void destroyThreadTimer(uint32_t timerId);
