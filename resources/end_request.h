/* How another program (the installer, the uninstaller) asks a running Glimmerjar to end:
   it sends this registered window message to the windows of the lamp's class. With wParam
   0 the lamp only answers; with wParam 1 it ends as Exit ends it (saving the lava and the
   settings, closing a dialog it has open). Either way it answers GLIMMERJAR_END_ANSWER,
   which other programs' windows of that class do not. Plain macros, so that the build of
   the installer can read them. */
#ifndef GLIMMERJAR_END_REQUEST_H
#define GLIMMERJAR_END_REQUEST_H

#define GLIMMERJAR_END_REQUEST "Glimmerjar.EndRequest"
#define GLIMMERJAR_END_ANSWER 0x474A

#endif
