#include <gtest/gtest.h>

#include "help/document_stream.h"
#include "help/help_layout.h"

namespace {

TEST(HelpLayout, TinyClientAreaGivesAnEmptyDocumentNotANegativeOne) {
    const HelpLayout layout = helpLayoutFor(6, 20);
    EXPECT_EQ(layout.document.width, 0);
    EXPECT_EQ(layout.document.height, 0);
}

TEST(DocumentStream, HandsOutTheBytesInOrderAndThenNone) {
    std::vector<unsigned char> bytes(10000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7);
    DocumentStream stream(bytes);
    std::vector<unsigned char> read;
    unsigned char buffer[4096];
    size_t asked = 1;
    for (;;) {
        const size_t count = stream.read(buffer, asked);
        ASSERT_LE(count, asked);
        if (count == 0) break;
        read.insert(read.end(), buffer, buffer + count);
        asked = asked * 3 % 4096 + 1;  // requests of changing sizes, as a reader makes them
    }
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(stream.remaining(), 0u);
    EXPECT_EQ(stream.read(buffer, sizeof buffer), 0u);
}

TEST(DocumentStream, ARequestForNothingGetsNothingAndLosesNothing) {
    DocumentStream stream({1, 2, 3});
    unsigned char buffer[4] = {};
    EXPECT_EQ(stream.read(buffer, 0), 0u);
    EXPECT_EQ(stream.read(buffer, 4), 3u);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[2], 3);
}

}  // namespace
