// Blob records.
#include "lava/blob_record.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "lava/blob.h"

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

bool readFloat(const std::string& field, float& value) {
    if (field.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const float read = std::strtof(field.c_str(), &end);
    if (*end != 0 || errno == ERANGE || !std::isfinite(read)) return false;
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

bool readBlobRecord(const std::string& text, Blob& blob) {
    const std::vector<std::string> parts = fields(text);
    if (parts.size() != 10) return false;
    float numbers[8];
    for (int i = 0; i < 8; ++i)
        if (!readFloat(parts[static_cast<size_t>(i)], numbers[i])) return false;
    int32_t previousCluster = 0, cluster = 0;
    if (!readInt(parts[8], previousCluster) || !readInt(parts[9], cluster)) return false;
    if (!(numbers[0] > 0) || numbers[0] > maxRestoredRadius) return false;
    blob.radius = numbers[0];
    blob.position = Point3D(numbers[1], numbers[2], numbers[3]);
    blob.velocity = Point3D(numbers[4], numbers[5], numbers[6]);
    blob.temperature = numbers[7];
    blob.previousCluster = previousCluster;
    blob.cluster = cluster;
    return true;
}
