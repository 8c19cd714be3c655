// Blob records: written with six decimals, read back only when whole and finite.
#include <gtest/gtest.h>

#include <cmath>

#include "lava/blob.h"
#include "lava/blob_record.h"

namespace {

Blob sample() {
    Blob blob(Point3D(0.5f, -12.25f, 3.000001f), 1.1f);
    blob.velocity = Point3D(-0.125f, 2.5f, 0);
    blob.temperature = 0.75f;
    blob.previousCluster = 3;
    blob.cluster = -1;
    return blob;
}

TEST(BlobRecord, WritesTenFieldsAndReadsThemBack) {
    const Blob blob = sample();
    const std::string text = blobRecord(blob);
    EXPECT_EQ(text, "1.100000,0.500000,-12.250000,3.000001,-0.125000,2.500000,0.000000,0.750000,3,-1");
    Blob read(Point3D(9, 9, 9), 2);
    ASSERT_TRUE(readBlobRecord(text, read));
    EXPECT_FLOAT_EQ(read.radius, 1.1f);
    EXPECT_NEAR(read.position.z, 3.000001f, 1e-6f);
    EXPECT_FLOAT_EQ(read.velocity.y, 2.5f);
    EXPECT_FLOAT_EQ(read.temperature, 0.75f);
    EXPECT_EQ(read.previousCluster, 3);
    EXPECT_EQ(read.cluster, -1);
}

TEST(BlobRecord, RefusesAnythingButTenFiniteNumbers) {
    const char* bad[] = {
        "1.1,0,0,0,0,0,0,0.5,1",              // nine fields
        "1.1,0,0,0,0,0,0,0.5,1,2,3",          // eleven
        "1.1,0,0,0,0,0,0,0.5,1,2junk",        // trailing junk
        "1.1,0,0,0,0,0,0,0.5,1,2 ",           // trailing blank
        "1.1,nan,0,0,0,0,0,0.5,1,2",          // not a number
        "1.1,0,inf,0,0,0,0,0.5,1,2",          // infinite
        "1.1,0,0,1e39,0,0,0,0.5,1,2",         // beyond a float
        "1.1,0,0,0,0,0,0,0.5,1.5,2",          // a cluster that is no integer
        "1.1,0,0,0,0,0,0,0.5,99999999999,2",  // beyond 32 bits
        "0,0,0,0,0,0,0,0.5,1,2",              // no radius
        "-1,0,0,0,0,0,0,0.5,1,2",
        "1e6,0,0,0,0,0,0,0.5,1,2",            // a radius wider than the lamp
        "1.1,,0,0,0,0,0,0.5,1,2",             // an empty field
        "",
    };
    for (const char* text : bad) {
        Blob blob = sample();
        EXPECT_FALSE(readBlobRecord(text, blob)) << text;
        EXPECT_FLOAT_EQ(blob.position.y, -12.25f) << text;  // left as it was
        EXPECT_FLOAT_EQ(blob.radius, 1.1f) << text;
    }
}

}  // namespace
