// Blob records.
#include "lava/blob_record.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <vector>

#include "lava/blob.h"
#include "lava/lava_parameters.h"
#include "lava/lava_physics.h"
#include "lava/lava_vessel.h"

std::string blobRecord(const Blob& blob) {
    char text[512];
    std::snprintf(text, sizeof text, "%f,%f,%f,%f,%f,%f,%f,%f,%d,%d", static_cast<double>(blob.radius),
                  static_cast<double>(blob.position.x), static_cast<double>(blob.position.y),
                  static_cast<double>(blob.position.z), static_cast<double>(blob.velocity.x),
                  static_cast<double>(blob.velocity.y), static_cast<double>(blob.velocity.z),
                  static_cast<double>(blob.temperature), blob.previousCluster, blob.cluster);
    return text;
}

namespace {

// The text between commas, in order.
std::vector<std::string> fields(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// A number as a record keeps it: "%f", six decimals.
std::string sixDecimals(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return text;
}

// Reads a field as the float a record written from it would read back as: the float is
// taken to the one its six decimals give, until it no longer moves (at most a few steps),
// so that a blob written and read again is the same blob.
bool readFloat(const std::string& field, float& value) {
    if (field.empty()) return false;
    char* end = nullptr;
    errno = 0;
    float read = std::strtof(field.c_str(), &end);
    if (*end != 0 || errno == ERANGE || !std::isfinite(read)) return false;
    for (int i = 0; i < 4; ++i) {
        const float again = std::strtof(sixDecimals(read).c_str(), nullptr);
        if (again == read) break;
        read = again;
    }
    value = read;
    return true;
}

bool readInt(const std::string& field, int32_t& value) {
    if (field.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long read = std::strtoll(field.c_str(), &end, 10);
    if (*end != 0 || errno == ERANGE || read < INT32_MIN || read > INT32_MAX) return false;
    value = static_cast<int32_t>(read);
    return true;
}

}  // namespace

bool blobCouldExist(const Blob& blob) {
    // A hair for the six decimals a record keeps.
    constexpr float hair = 0.001f;
    static const LavaVessel vessel;
    const Point3D& p = blob.position;
    const float floor = vessel.floor.centre.y, ceiling = vessel.ceiling.centre.y;
    const float coolest = std::min(coolingTarget(floor), coolingTarget(ceiling));
    const float hottest = bulbTemperature * strongestLampHeat;
    const float margin = (hottest - coolest) * 0.1f;
    return blob.radius >= blobRadius / 2 && blob.radius <= blobRadius * 2 &&  //
           p.y >= floor - hair && p.y <= ceiling + hair &&
           std::sqrt(p.x * p.x + p.z * p.z) <= vessel.wallRadiusAt(std::clamp(p.y, floor, ceiling)) + hair &&
           blob.velocity.length() <= blobSpeedLimit + hair &&  //
           blob.temperature >= coolest - margin && blob.temperature <= hottest + margin &&
           blob.previousCluster >= -1 && blob.previousCluster <= 400 && blob.cluster >= -1 && blob.cluster <= 400;
}

bool readBlobRecord(const std::string& text, Blob& blob) {
    const std::vector<std::string> parts = fields(text);
    if (parts.size() != 10) return false;
    float numbers[8];
    for (int i = 0; i < 8; ++i)
        if (!readFloat(parts[static_cast<size_t>(i)], numbers[i])) return false;
    int32_t previousCluster = 0, cluster = 0;
    if (!readInt(parts[8], previousCluster) || !readInt(parts[9], cluster)) return false;
    Blob read(Point3D(numbers[1], numbers[2], numbers[3]), numbers[0]);
    read.velocity = Point3D(numbers[4], numbers[5], numbers[6]);
    read.temperature = numbers[7];
    read.previousCluster = previousCluster;
    read.cluster = cluster;
    if (!blobCouldExist(read)) return false;
    blob.radius = read.radius;
    blob.position = read.position;
    blob.velocity = read.velocity;
    blob.temperature = read.temperature;
    blob.previousCluster = read.previousCluster;
    blob.cluster = read.cluster;
    return true;
}
