// Hands a document to a reader that asks for it in pieces (the rich-edit control's
// stream-in callback): each request gets the next bytes, as many as asked for or as are
// left, and an exhausted stream answers with none.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class DocumentStream {
public:
    explicit DocumentStream(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}

    // Copies up to capacity bytes into out; returns how many were copied.
    size_t read(unsigned char* out, size_t capacity);
    size_t remaining() const { return bytes_.size() - position_; }

private:
    std::vector<unsigned char> bytes_;
    size_t position_ = 0;
};
