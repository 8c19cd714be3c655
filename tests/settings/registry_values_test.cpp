// Typed values over the settings store: formats, defaults and hostile stored values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"

namespace {

class RegistryValuesTest : public ::testing::Test {
protected:
    std::string raw(const char* name) {
        StoredType type;
        std::string bytes;
        EXPECT_TRUE(store->readValue(name, type, bytes));
        return bytes;
    }
    FakeSettingsStore fake;
    FakeSettingsStore* store = &fake;
};

std::string dwordBytes(uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

}  // namespace

TEST_F(RegistryValuesTest, DwordsRoundTripSigned) {
    EXPECT_TRUE(writeDword(store, "speed", -250));
    int32_t value = 0;
    EXPECT_TRUE(readDword(store, "speed", &value));
    EXPECT_EQ(value, -250);
    EXPECT_EQ(readDword(store, "speed", 7), -250);
    EXPECT_EQ(readDword(store, "missing", 7), 7);
}

TEST_F(RegistryValuesTest, WrongTypeOrSizeGivesTheDefault) {
    writeString(store, "speed", "100");
    EXPECT_EQ(readDword(store, "speed", 7), 7);
    store->setRaw("short", StoredType::Dword, std::string("\x01\x02", 2));
    EXPECT_EQ(readDword(store, "short", 7), 7);
    store->setRaw("other", StoredType::Other, dwordBytes(5));
    EXPECT_EQ(readDword(store, "other", 7), 7);
    store->setRaw("flag", StoredType::String, "1");
    EXPECT_TRUE(readBoolValue(store, "flag", true));
    EXPECT_FALSE(readBoolValue(store, "flag", false));
}

TEST_F(RegistryValuesTest, BoolsAreDwordsAndAnyNonZeroIsTrue) {
    writeBoolValue(store, "startFullScreen", true);
    EXPECT_EQ(raw("startFullScreen"), dwordBytes(1));
    writeBoolValue(store, "startFullScreen", false);
    EXPECT_EQ(raw("startFullScreen"), dwordBytes(0));
    store->setRaw("odd", StoredType::Dword, dwordBytes(0x100));
    EXPECT_TRUE(readBoolValue(store, "odd", false));
    EXPECT_TRUE(readBoolValue(store, "missing", true));
}

TEST_F(RegistryValuesTest, FloatsAreSixDecimalTextWithItsZero) {
    writeFloatValue(store, "zoom", 0.44f);
    EXPECT_EQ(raw("zoom"), std::string("0.440000\0", 9));
    EXPECT_FLOAT_EQ(readFloatValue(store, "zoom", 9.0f), 0.44f);
    writeFloatValue(store, "big", -123456.5f);
    EXPECT_FLOAT_EQ(readFloatValue(store, "big", 0.0f), -123456.5f);
}

TEST_F(RegistryValuesTest, UnreadableFloatsGiveTheDefault) {
    writeString(store, "text", "abc");
    EXPECT_FLOAT_EQ(readFloatValue(store, "text", 2.5f), 2.5f);
    writeString(store, "empty", "");
    EXPECT_FLOAT_EQ(readFloatValue(store, "empty", 2.5f), 2.5f);
    writeDword(store, "dword", 3);
    EXPECT_FLOAT_EQ(readFloatValue(store, "dword", 2.5f), 2.5f);
    EXPECT_FLOAT_EQ(readFloatValue(store, "missing", 2.5f), 2.5f);
    writeString(store, "trailing", "1.5xyz");
    EXPECT_FLOAT_EQ(readFloatValue(store, "trailing", 2.5f), 1.5f);
}

TEST_F(RegistryValuesTest, StringsWithoutTerminatorOrWithInnerZeros) {
    store->setRaw("noZero", StoredType::String, "1.25");
    std::string text;
    EXPECT_TRUE(readString(store, "noZero", text));
    EXPECT_EQ(text, "1.25");
    store->setRaw("inner", StoredType::String, std::string("2.5\0junk", 8));
    EXPECT_TRUE(readString(store, "inner", text));
    EXPECT_EQ(text, "2.5");
    EXPECT_FLOAT_EQ(readFloatValue(store, "inner", 0.0f), 2.5f);
}

TEST_F(RegistryValuesTest, FailingOrMissingStoreGivesDefaultsQuietly) {
    writeDword(store, "speed", 5);
    store->failing = true;
    EXPECT_FALSE(writeDword(store, "speed", 9));
    EXPECT_EQ(readDword(store, "speed", 7), 7);
    EXPECT_FALSE(readBoolValue(store, "speed", false));
    EXPECT_FLOAT_EQ(readFloatValue(store, "speed", 1.5f), 1.5f);
    store = nullptr;
    EXPECT_FALSE(writeBoolValue(store, "startFullScreen", true));
    EXPECT_TRUE(readBoolValue(store, "startFullScreen", true));
}
