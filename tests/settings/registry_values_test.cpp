// Typed values over the settings store: formats, defaults and hostile stored values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"

namespace {

class RegistryValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        store = new FakeSettingsStore;
        useSettingsStore(store);
    }
    void TearDown() override { useSettingsStore(nullptr); }
    std::string raw(const char* name) {
        StoredType type;
        std::string bytes;
        EXPECT_TRUE(store->readValue(name, type, bytes));
        return bytes;
    }
    FakeSettingsStore* store = nullptr;
};

std::string dwordBytes(uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

}  // namespace

TEST_F(RegistryValuesTest, DwordsRoundTripSigned) {
    EXPECT_TRUE(writeDword("speed", -250));
    int32_t value = 0;
    EXPECT_TRUE(readDword("speed", &value));
    EXPECT_EQ(value, -250);
    EXPECT_EQ(readDword("speed", 7), -250);
    EXPECT_EQ(readDword("missing", 7), 7);
}

TEST_F(RegistryValuesTest, WrongTypeOrSizeGivesTheDefault) {
    writeString("speed", "100");
    EXPECT_EQ(readDword("speed", 7), 7);
    store->setRaw("short", StoredType::Dword, std::string("\x01\x02", 2));
    EXPECT_EQ(readDword("short", 7), 7);
    store->setRaw("other", StoredType::Other, dwordBytes(5));
    EXPECT_EQ(readDword("other", 7), 7);
    store->setRaw("flag", StoredType::String, "1");
    EXPECT_TRUE(readBoolValue("flag", true));
    EXPECT_FALSE(readBoolValue("flag", false));
}

TEST_F(RegistryValuesTest, BoolsAreDwordsAndAnyNonZeroIsTrue) {
    writeBoolValue("startFullScreen", true);
    EXPECT_EQ(raw("startFullScreen"), dwordBytes(1));
    writeBoolValue("startFullScreen", false);
    EXPECT_EQ(raw("startFullScreen"), dwordBytes(0));
    store->setRaw("odd", StoredType::Dword, dwordBytes(0x100));
    EXPECT_TRUE(readBoolValue("odd", false));
    EXPECT_TRUE(readBoolValue("missing", true));
}

TEST_F(RegistryValuesTest, FloatsAreSixDecimalTextWithItsZero) {
    writeFloatValue("zoom", 0.44f);
    EXPECT_EQ(raw("zoom"), std::string("0.440000\0", 9));
    EXPECT_FLOAT_EQ(readFloatValue("zoom", 9.0f), 0.44f);
    writeFloatValue("big", -123456.5f);
    EXPECT_FLOAT_EQ(readFloatValue("big", 0.0f), -123456.5f);
}

TEST_F(RegistryValuesTest, UnreadableFloatsGiveTheDefault) {
    writeString("text", "abc");
    EXPECT_FLOAT_EQ(readFloatValue("text", 2.5f), 2.5f);
    writeString("empty", "");
    EXPECT_FLOAT_EQ(readFloatValue("empty", 2.5f), 2.5f);
    writeDword("dword", 3);
    EXPECT_FLOAT_EQ(readFloatValue("dword", 2.5f), 2.5f);
    EXPECT_FLOAT_EQ(readFloatValue("missing", 2.5f), 2.5f);
    writeString("trailing", "1.5xyz");
    EXPECT_FLOAT_EQ(readFloatValue("trailing", 2.5f), 1.5f);
}

TEST_F(RegistryValuesTest, StringsWithoutTerminatorOrWithInnerZeros) {
    store->setRaw("noZero", StoredType::String, "1.25");
    std::string text;
    EXPECT_TRUE(readString("noZero", text));
    EXPECT_EQ(text, "1.25");
    store->setRaw("inner", StoredType::String, std::string("2.5\0junk", 8));
    EXPECT_TRUE(readString("inner", text));
    EXPECT_EQ(text, "2.5");
    EXPECT_FLOAT_EQ(readFloatValue("inner", 0.0f), 2.5f);
}

TEST_F(RegistryValuesTest, FailingOrMissingStoreGivesDefaultsQuietly) {
    writeDword("speed", 5);
    store->failing = true;
    EXPECT_FALSE(writeDword("speed", 9));
    EXPECT_EQ(readDword("speed", 7), 7);
    EXPECT_FALSE(readBoolValue("speed", false));
    EXPECT_FLOAT_EQ(readFloatValue("speed", 1.5f), 1.5f);
    useSettingsStore(nullptr);
    store = nullptr;
    EXPECT_FALSE(writeBoolValue("startFullScreen", true));
    EXPECT_TRUE(readBoolValue("startFullScreen", true));
}
