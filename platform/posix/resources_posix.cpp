// Resources seam, POSIX: looks the resource up in the table compiled into the binary.
#include <cstring>

#include "platform/embedded_resources.h"
#include "platform/resources.h"

ResourceBytes findProgramResource(const char* type, int id) {
    ResourceBytes result;
    for (size_t i = 0; i < embeddedResourceCount; ++i) {
        const EmbeddedResource& r = embeddedResources[i];
        if (r.id == id && std::strcmp(r.type, type) == 0) {
            result.status = ResourceStatus::Found;
            result.data = r.data;
            result.size = r.size;
            break;
        }
    }
    return result;
}
