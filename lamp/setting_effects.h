// What each setting does to the running lamp when it is set: the colours through the
// colour model, the simulation values, the lattice spacing, the blob count, the frame
// period. One function per effect, so that start-up and later the settings' own
// callbacks apply them alike.
#pragma once

#include <cstdint>

class LampScene;

void applyLavaColour();
void applyHotColour();
void applyLiquidColour();
void applyLampColour();
void applyBackground();
void applyLampHeat();
void applySimulationValues();
void applyRenderAccuracy();
void applyParticleCount();

// The frame timer's period for a frame-rate index 0..11 (taken into range).
uint32_t frameIntervalMs(int frameRateIndex);
// Frames per second shown for a frame-rate index.
int shownFrameRate(int frameRateIndex);

// Every effect, in the order the settings are created (the frame period excepted, which
// the shell applies to its timer).
void applyAllSettings();
