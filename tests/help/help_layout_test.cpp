#include <gtest/gtest.h>

#include "help/document_stream.h"
#include "help/help_layout.h"

namespace {

TEST(HelpLayout, KeepsOkBottomRightAndLinkBottomLeftAtEverySize) {
    for (const auto& [width, height] : {std::pair{781, 530}, {400, 300}, {1600, 1100}}) {
        const HelpLayout layout = helpLayoutFor(width, height);
        EXPECT_EQ(layout.okButton.x + layout.okButton.width, width - 5) << width;
        EXPECT_EQ(layout.okButton.y + layout.okButton.height, height - 5) << height;
        EXPECT_EQ(layout.link.x, 5);
        EXPECT_EQ(layout.link.y + layout.link.height, height - 5);
        // The document fills the rest, down to just above the button row.
        EXPECT_EQ(layout.document.x, 5);
        EXPECT_EQ(layout.document.y, 5);
        EXPECT_EQ(layout.document.width, width - 10);
        EXPECT_EQ(layout.document.y + layout.document.height, layout.okButton.y - 5);
    }
}

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
