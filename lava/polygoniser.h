// The polygoniser: the surface of one lump of lava as triangle strips.
//
// It does not sweep the lattice. From every blob it walks down in -z until it leaves the
// lava, and from that cube it follows the surface from cube to neighbouring cube, visiting
// only cubes the surface passes through (the face table says which neighbours those are).
// Lattice values are computed once per pass and shared by the cubes that meet at a point.
// Every vertex gets a normal interpolated from the field's outward vectors, optionally a
// heat colour, and is pulled inside the glass where it would poke through.
#pragma once

#include <cstdint>

#include "scene/geometry.h"

class Blob;
class StripEmitter;

// Pass counter the lattice marks are compared with; 1 at start, wraps at 16 bits.
uint16_t& passStamp();

// Draws the surface of the n blobs with pass radius R (1.2 x the blob radius for the lamp).
void polygonise(Blob* const* blobs, int n, float R);
void polygonise(Blob* const* blobs, int n, float R, StripEmitter& out);

// Inner radius of the glass at height y in the lava's coordinates.
float wallRadius(float y);
// p moved towards the lamp's axis, at the same height and angle, so that it lies at most
// `limit` from the axis.
Point3D pulledInside(Point3D p, float limit);
// How far from the cold towards the hot colour temperature T is: (T + 4) / 14 in 0..1,
// 0 for a temperature that is not a number.
float heatFraction(float temperature);
// The lava colour at a temperature: from the cold colour to the hot one by heatFraction.
Point3D lavaColourFor(float temperature);

// Cubes processed since the counter was last reset (tests and benchmarks).
uint64_t& cubesProcessed();
