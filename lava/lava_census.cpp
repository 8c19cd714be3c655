// Lava census.
#include "lava/lava_census.h"

#include <algorithm>
#include <cmath>

#include "lava/blob.h"
#include "lava/lava_vessel.h"

float escapeDistance(const Blob& blob, const LavaVessel& vessel) {
    const Point3D& p = blob.position;
    const float floorY = vessel.floor.centre.y, ceilingY = vessel.ceiling.centre.y;
    float escape = std::max(floorY - p.y, p.y - ceilingY);
    const float y = std::clamp(p.y, floorY, ceilingY);
    escape = std::max(escape, std::sqrt(p.x * p.x + p.z * p.z) - vessel.wallRadiusAt(y));
    return escape;
}

LavaCensus takeCensus(const std::vector<Blob*>& blobs, const LavaVessel& vessel, int clusters) {
    LavaCensus census;
    census.blobs = static_cast<int>(blobs.size());
    census.clusters = clusters;
    if (blobs.empty()) return census;
    const float bottom = vessel.floor.centre.y, height = vessel.ceiling.centre.y - bottom;
    int thirds[3] = {0, 0, 0};
    double temperature = 0;
    for (const Blob* b : blobs) {
        const Point3D& p = b->position;
        const float values[] = {p.x, p.y, p.z, b->velocity.x, b->velocity.y, b->velocity.z,
                                b->temperature, b->force.x, b->force.y, b->force.z};
        for (float v : values) census.allFinite = census.allFinite && std::isfinite(v);
        const int third = std::clamp(static_cast<int>((p.y - bottom) / height * 3), 0, 2);
        ++thirds[third];
        temperature += b->temperature;
        census.worstEscape = std::max(census.worstEscape, escapeDistance(*b, vessel));
    }
    const float n = static_cast<float>(blobs.size());
    census.lower = static_cast<float>(thirds[0]) / n;
    census.middle = static_cast<float>(thirds[1]) / n;
    census.upper = static_cast<float>(thirds[2]) / n;
    census.meanTemperature = static_cast<float>(temperature / n);
    return census;
}
