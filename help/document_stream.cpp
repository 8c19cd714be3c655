#include "help/document_stream.h"

#include <algorithm>
#include <cstring>

size_t DocumentStream::read(unsigned char* out, size_t capacity) {
    const size_t count = std::min(capacity, remaining());
    if (count > 0) std::memcpy(out, bytes_.data() + position_, count);
    position_ += count;
    return count;
}
