/* Loaded ahead of an OpenGL program (LD_PRELOAD) that reports nothing of its own frames:
 * counts the buffer swaps (through GLX or EGL, as XScreenSaver's hacks draw) and writes "FRAMES RATE" to standard error every hundred, the
 * form of Glimmerjar's own frame reports, so that scripts/cpu-per-frame.sh measures any
 * lamp the same way. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <time.h>

typedef void (*GlxSwap)(void *display, unsigned long drawable);
typedef unsigned int (*EglSwap)(void *display, void *surface);

static double seconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

static void counted(void) {
    static unsigned long frames;
    static double since;
    if (frames == 0) since = seconds();
    if (++frames % 100 == 0) {
        const double now = seconds();
        fprintf(stderr, "%lu %.1f\n", frames, 100.0 / (now - since));
        since = now;
    }
}

void glXSwapBuffers(void *display, unsigned long drawable) {
    static GlxSwap next;
    if (!next) *(void **)&next = dlsym(RTLD_NEXT, "glXSwapBuffers");
    if (next) next(display, drawable);
    counted();
}

unsigned int eglSwapBuffers(void *display, void *surface) {
    static EglSwap next;
    if (!next) *(void **)&next = dlsym(RTLD_NEXT, "eglSwapBuffers");
    const unsigned int swapped = next ? next(display, surface) : 0;
    counted();
    return swapped;
}
