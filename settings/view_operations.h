// The small view operations every input path and the frame use: each reads a view
// setting, computes and stores it back.
#pragma once

class Settings;

// Into 0..360: add 360 while negative, subtract 360 while above 360 (360 stays 360).
float wrapDegrees(float a);

void addSpinSpeed(Settings& settings, float d);
// The mouse wheel turned by delta, in Windows' units (120 a notch, positive away from the
// user): each notch spins the lamp a quarter of a degree per frame faster.
void turnWheel(Settings& settings, int delta);
void addSpinAngle(Settings& settings, float d);
void addZoom(Settings& settings, float d);
void addTranslation(Settings& settings, float dx, float dy);
void addOrbit(Settings& settings, float dx, float dy);
