// The lava's state between runs: saved and restored to six decimals, refused when the count
// does not match, and damaged records leave their blobs fresh.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "lamp/lamp_scene.h"
#include "lamp/lava_state.h"
#include "lava/blob.h"
#include "lava/blob_record.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"
#include "settings/settings_file.h"

namespace {

class LavaStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < 300; ++n) scene->step(0.02f);
    }
    std::vector<Blob*>& blobs() { return scene->glass.group.blobs; }
    // A new lamp from another seed: its blobs differ from the saved ones.
    void freshLamp(int count = 175) {
        scene = std::make_unique<LampScene>(99);
        scene->setParticleCount(count);
    }
    // The store from now on.
    SettingsStore* use(std::unique_ptr<SettingsStore> next) {
        stores.push_back(std::move(next));
        return store = stores.back().get();
    }
    std::unique_ptr<LampScene> scene = std::make_unique<LampScene>(11);
    std::vector<std::unique_ptr<SettingsStore>> stores;
    SettingsStore* store = nullptr;
    FakeSettingsStore* fake = static_cast<FakeSettingsStore*>(use(std::make_unique<FakeSettingsStore>()));
};

TEST_F(LavaStateTest, BlobsComeBackToTheSixthDecimal) {
    std::vector<Blob> saved;
    for (const Blob* blob : blobs()) saved.push_back(*blob);
    saveLavaState(*scene, store);
    EXPECT_EQ(readDword(store, "noBlobsSaved", -1), 175);
    EXPECT_TRUE(fake->contains("blob174"));
    EXPECT_FALSE(fake->contains("blob175"));

    freshLamp();
    ASSERT_TRUE(restoreLavaState(*scene, store));
    for (size_t i = 0; i < saved.size(); ++i) {
        const Blob& a = saved[i];
        const Blob& b = *blobs()[i];
        EXPECT_NEAR(a.position.x, b.position.x, 1e-6f) << i;
        EXPECT_NEAR(a.position.y, b.position.y, 2e-6f) << i;
        EXPECT_NEAR(a.velocity.z, b.velocity.z, 1e-6f) << i;
        EXPECT_NEAR(a.temperature, b.temperature, 1e-6f) << i;
        EXPECT_EQ(a.cluster, b.cluster) << i;
    }
}

TEST_F(LavaStateTest, ADifferentCountIsRefusedAndChangesNothing) {
    saveLavaState(*scene, store);
    freshLamp(170);
    const Point3D before = blobs()[0]->position;
    EXPECT_FALSE(restoreLavaState(*scene, store));
    EXPECT_EQ(blobs()[0]->position.x, before.x);

    // A first start: no count stored, a lava with blobs.
    use(std::make_unique<FakeSettingsStore>());
    EXPECT_FALSE(restoreLavaState(*scene, store));

    // No blobs and a stored count of 0: nothing to do, and that is a success.
    scene->setParticleCount(0);
    writeDword(store, "noBlobsSaved", 0);
    EXPECT_TRUE(restoreLavaState(*scene, store));
}

TEST_F(LavaStateTest, DamagedOrMissingRecordsLeaveTheirBlobsFresh) {
    saveLavaState(*scene, store);
    writeString(store, "blob007", "1.1,0,0,0,0,0,0,0.5,1");                // nine fields
    writeString(store, "blob008", "1.1,nan,0,0,0,0,0,0.5,1,2");            // not a number
    writeString(store, "blob009", "1.1,0,1e999,0,0,0,0,0.5,1,2");          // infinite
    writeString(store, "blob010", "1.1,0,0,0,0,0,0,0.5,1,2 and then some");
    store->deleteValue("blob011");
    writeDword(store, "blob012", 5);                                        // not text
    freshLamp();
    std::vector<Point3D> fresh;
    for (const Blob* blob : blobs()) fresh.push_back(blob->position);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(restoreLavaState(*scene, store));
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Error in format of registry key blob007"), std::string::npos) << printed;
    for (int i : {7, 8, 9, 10, 11, 12}) {
        EXPECT_EQ(blobs()[static_cast<size_t>(i)]->position.x, fresh[static_cast<size_t>(i)].x) << i;
    }
    EXPECT_NE(blobs()[6]->position.x, fresh[6].x);  // its neighbours were restored
    for (const Blob* blob : blobs()) {
        EXPECT_TRUE(std::isfinite(blob->position.x) && std::isfinite(blob->position.y) &&
                    std::isfinite(blob->position.z) && std::isfinite(blob->radius));
    }
    // The settings file a person edits says it in its own words, naming itself.
    const std::string path = ::testing::TempDir() + "glimmerjar-lava-state";
    std::ofstream(path) << "noBlobsSaved = 175\nblob003 = 1.1,0,0\n";
    std::vector<std::string> reports;
    use(std::make_unique<SettingsFile>(path, [&reports](const std::string& line) { reports.push_back(line); }));
    EXPECT_TRUE(restoreLavaState(*scene, store));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], path + ": blob003 is not a blob of the lava; that blob starts afresh");
    EXPECT_EQ(reports[1], path + ": the saved lava lacks 174 of its 175 blob records; those blobs start afresh");
    reports.clear();
    writeDword(store, "noBlobsSaved", 170);
    EXPECT_FALSE(restoreLavaState(*scene, store));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], path + ": the saved lava has 170 blobs (noBlobsSaved) and the lamp 175; the lava starts afresh");
    std::remove(path.c_str());
}

// One absurd record among good ones (finite, but far outside the glass, faster than any
// blob, colder than anything the glass cools to) is refused, and the lava goes on living:
// eight seconds later its blobs are all ones the lava could hold, many rising and many
// sinking, many warmed by the bulb (not a cold pool at the bottom).
TEST_F(LavaStateTest, AnAbsurdRecordCannotPoisonTheLava) {
    saveLavaState(*scene, store);
    writeString(store, "blob005", "1.1,3e38,3e38,3e38,0,0,0,0,0,0");
    writeString(store, "blob006", "1.1,0,0,0,3e38,3e38,3e38,5,0,0");
    writeString(store, "blob007", "1.1,0,2,0,0,0,0,-1e24,0,0");
    freshLamp();
    EXPECT_TRUE(restoreLavaState(*scene, store));
    for (int n = 0; n < 400; ++n) scene->step(0.02f);
    int rising = 0, sinking = 0, warm = 0;
    for (const Blob* blob : blobs()) {
        EXPECT_TRUE(blobCouldExist(*blob)) << blobRecord(*blob);
        rising += blob->velocity.y > 0.05f;
        sinking += blob->velocity.y < -0.05f;
        warm += blob->temperature > 1;
    }
    EXPECT_GT(rising, 20);
    EXPECT_GT(sinking, 20);
    EXPECT_GT(warm, 20);
}

// A save that ends half way (the disk full, the process killed) leaves the records of two
// lavas, old and new: the next start refuses them rather than mixing them.
TEST_F(LavaStateTest, ASaveCutShortIsRefusedNextTime) {
    saveLavaState(*scene, store);
    for (int n = 0; n < 50; ++n) scene->step(0.02f);
    fake->writesLeft = 60;
    saveLavaState(*scene, store);
    fake->writesLeft = -1;
    freshLamp();
    EXPECT_FALSE(restoreLavaState(*scene, store));
}

}  // namespace
