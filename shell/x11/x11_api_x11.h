// Xlib and GLX for the X11 shell's files, included after every header of the program: X
// defines None and Bool as macros, which would rewrite the program's own enumerators
// (PointerShape::None, SettingKind::Bool). They are undefined here; X's None is xNone.
#pragma once

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/Xinerama.h>
#include <X11/keysym.h>

constexpr unsigned long xNone = None;
#undef None
#undef Bool
