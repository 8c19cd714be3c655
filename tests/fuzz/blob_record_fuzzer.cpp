// Fuzzes the reader of stored blob records: whatever it takes is a blob the lava could hold,
// and what it takes is written so that it reads back as the same blob, in the same words.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lava/blob.h"
#include "lava/blob_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Blob blob(Point3D(0, 0, 0), 1.1f);
    if (!readBlobRecord(text, blob)) return 0;
    if (!blobCouldExist(blob)) std::abort();
    const std::string written = blobRecord(blob);
    Blob again(Point3D(0, 0, 0), 1.1f);
    if (!readBlobRecord(written, again)) std::abort();
    if (again.radius != blob.radius || again.position.x != blob.position.x || again.position.y != blob.position.y ||
        again.position.z != blob.position.z || again.velocity.x != blob.velocity.x ||
        again.velocity.y != blob.velocity.y || again.velocity.z != blob.velocity.z ||
        again.temperature != blob.temperature || again.cluster != blob.cluster ||
        again.previousCluster != blob.previousCluster)
        std::abort();
    if (blobRecord(again) != written) std::abort();
    return 0;
}
