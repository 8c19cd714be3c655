// A census of the lava: how many clusters, where the wax is in the vessel, how warm it is and
// how far any blob has strayed outside the glass. Used by the simulation tool, the tests
// and the benchmarks.
#pragma once

#include <vector>

class Blob;
struct LavaVessel;

struct LavaCensus {
    int blobs = 0;
    int clusters = 0;
    // Fractions of the blobs in the lower, middle and upper third of the vessel's height
    // (-15 to 16).
    float lower = 0, middle = 0, upper = 0;
    float meanTemperature = 0;
    // How far the furthest blob centre lies outside the glass (0 when all are inside).
    float worstEscape = 0;
    bool allFinite = true;
};

LavaCensus takeCensus(const std::vector<Blob*>& blobs, const LavaVessel& vessel, int clusters);

// How far a centre lies outside the glass: beyond the wall, under the floor or over the
// ceiling; 0 or less inside.
float escapeDistance(const Blob& blob, const LavaVessel& vessel);
