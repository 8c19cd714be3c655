// The X11 program's own state.
#include "shell/x11/x11_program.h"

namespace {
X11Program* running = nullptr;
}  // namespace

X11Program* x11Program() { return running; }

void setX11Program(X11Program* program) { running = program; }
