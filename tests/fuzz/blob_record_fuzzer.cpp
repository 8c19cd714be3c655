// Fuzzes the reader of stored blob records: whatever it takes is finite and in range.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lava/blob.h"
#include "lava/blob_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Blob blob(Point3D(0, 0, 0), 1.1f);
    if (readBlobRecord(text, blob)) {
        const float values[] = {blob.radius,     blob.position.x, blob.position.y, blob.position.z,
                                blob.velocity.x, blob.velocity.y, blob.velocity.z, blob.temperature};
        for (float value : values)
            if (!std::isfinite(value)) std::abort();
        if (!(blob.radius > 0) || blob.radius > maxRestoredRadius) std::abort();
        // What it wrote reads back.
        Blob again(Point3D(0, 0, 0), 1.1f);
        if (!readBlobRecord(blobRecord(blob), again)) std::abort();
    }
    return 0;
}
