// The colour model of every user colour: hue, saturation and brightness (each 0..1) to RGB.
// A fully saturated hue is mixed with white by the saturation, scaled to the length of
// white, then multiplied by the brightness; equal brightness gives colours of equal length,
// and channels above 1 occur (OpenGL clamps them).
#pragma once

#include "scene/geometry.h"

Point3D hueSatLumToRgb(float h, float s, float l);

// The hue turned by a step, wrapping at 1.
float rotateHue(float hue, float step);
