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
        // Finite, but no blob the lava could hold: each refused like a malformed record.
        "1.1,3e38,3e38,3e38,0,0,0,0,0,0",          // far outside the glass
        "1.1,0,16.01,0,0,0,0,0.5,1,2",             // above the ceiling
        "1.1,0,-15.01,0,0,0,0,0.5,1,2",            // below the floor
        "1.1,9.5,-12,0,0,0,0,0.5,1,2",             // through the bowl's wall (7.3 at the floor, 8.8 here)
        "1.1,0,0,0,3e38,0,0,0.5,1,2",              // faster than any blob moves
        "1.1,0,0,0,6,6,6,0.5,1,2",                 // 10.4 units a second
        "1.1,0,0,0,0,0,0,-1e24,1,2",               // colder than the glass cools it
        "1.1,0,0,0,0,0,0,400,1,2",                 // hotter than the bulb heats it
        "0.0000000074,2,2,0,0,0,0,2,0,0",          // a radius written as 0
        "1.1,0,0,0,0,0,0,0.5,401,2",               // a cluster beyond the most blobs
        "1.1,0,0,0,0,0,0,0.5,1,-2",
    };
    for (const char* text : bad) {
        Blob blob = sample();
        EXPECT_FALSE(readBlobRecord(text, blob)) << text;
        EXPECT_FLOAT_EQ(blob.position.y, -12.25f) << text;  // left as it was
        EXPECT_FLOAT_EQ(blob.radius, 1.1f) << text;
    }
}

// The bounds hold what the lava really does: blobs at the glass's floor, ceiling and wall,
// at the speed limit, at the bulb's temperature at the strongest lamp heat and the
// glass's coolest, are taken.
TEST(BlobRecord, TakesEveryBlobTheLavaCouldHold) {
    const char* good[] = {
        "1.1,0,-15,0,0,0,0,0.5,1,2",        "1.1,0,16,0,0,0,0,0.5,1,2",  "1.1,7.3,-15,0,0,0,0,0.5,1,2",
        "1.1,0,-8,-10.8,0,0,0,0.5,1,2",     "1.1,0,0,0,0,10,0,0.5,1,2",  "1.1,0,0,0,0,0,0,300,-1,400",
        "1.1,0,0,0,0,0,0,-7.2,400,-1",
    };
    for (const char* text : good) {
        Blob blob = sample();
        EXPECT_TRUE(readBlobRecord(text, blob)) << text;
    }
}

// What the reader takes reads back as the same blob, also where six decimals cannot hold
// a float exactly (a temperature near 300 is 0.00003 from the next float).
TEST(BlobRecord, ARecordTakenReadsBackTheSame) {
    for (const char* text : {"1.1,0.123456789,-14.999999,3.0000005,-9.9999999,0,0,299.99998,0,1",
                             "2.2,-0.0000004,15.9999996,0,0.0000006,0,0,-7.123456,0,0"}) {
        Blob first = sample(), second = sample();
        ASSERT_TRUE(readBlobRecord(text, first)) << text;
        ASSERT_TRUE(readBlobRecord(blobRecord(first), second)) << text;
        EXPECT_EQ(blobRecord(second), blobRecord(first)) << text;
        EXPECT_EQ(second.temperature, first.temperature) << text;
        EXPECT_EQ(second.position.y, first.position.y) << text;
    }
}

}  // namespace
