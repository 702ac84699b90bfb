#include "core/app/CGeneralSettings.h"

#include <gtest/gtest.h>

namespace {

using kelo::CGeneralSettings;
using kelo::MemorySettingsStore;

bool allPresent(int) {
    return true;
}

TEST(CGeneralSettings, FreshUserGetsTheDefaults) {
    MemorySettingsStore store;
    CGeneralSettings settings;
    EXPECT_TRUE(settings.Load(store, [](int port) { return port < 2; }));
    EXPECT_EQ(settings.port, 0);
    EXPECT_EQ(settings.baudRate, 0);
    EXPECT_EQ(settings.autoLoad, 0);
    EXPECT_EQ(settings.link, 0);
    EXPECT_EQ(settings.lock, 0);
    EXPECT_EQ(settings.lockPassword, "");
    EXPECT_EQ(settings.portPresent, (std::array<std::int32_t, 4>{1, 1, 0, 0}));
}

TEST(CGeneralSettings, SaveThenLoadKeepsEveryStoredValue) {
    MemorySettingsStore store;
    CGeneralSettings written;
    written.port = 3;
    written.baudRate = 6;
    written.autoLoad = 1;
    written.edit = 42;
    written.link = 1;
    written.lock = 2;
    written.lockPassword = "s3cr\xc3\xa9t";
    written.midiPort = 9;
    written.reserved = 77;
    ASSERT_TRUE(written.Save(store));
    EXPECT_FALSE(store.contains("reserved"));

    CGeneralSettings read;
    read.Load(store, allPresent);
    EXPECT_EQ(read.port, 3);
    EXPECT_EQ(read.baudRate, 6);
    EXPECT_EQ(read.autoLoad, 1);
    EXPECT_EQ(read.edit, 42);
    EXPECT_EQ(read.link, 1);
    EXPECT_EQ(read.lock, 2);
    EXPECT_EQ(read.lockPassword, "s3cr\xc3\xa9t");
    EXPECT_EQ(read.midiPort, 9);
    EXPECT_EQ(read.reserved, 0);
}

TEST(CGeneralSettings, OutOfRangeValuesFallBackToDefaults) {
    MemorySettingsStore store;
    store.writeInt("Port", 7);
    store.writeInt("BaudRate", 12);
    store.writeInt("Lock", 9);
    store.writeInt("AutoLoad", -3);
    store.writeString("LockPassword", "much too long");
    CGeneralSettings settings;
    settings.port = 2;
    settings.Load(store, allPresent);
    EXPECT_EQ(settings.port, 0);
    EXPECT_EQ(settings.baudRate, 0);
    EXPECT_EQ(settings.lock, 0);
    EXPECT_EQ(settings.autoLoad, 0);
    EXPECT_EQ(settings.lockPassword, "");

    // Stray continuation bytes count as no characters at all: not UTF-8, so refused like a long one.
    settings.lockPassword = "pw";
    store.writeString("LockPassword", std::string(40, '\x80'));
    settings.Load(store, allPresent);
    EXPECT_EQ(settings.lockPassword, "");
}

TEST(CGeneralSettings, MissingValuesLeaveFieldsAsTheyWere) {
    MemorySettingsStore store;
    store.writeInt("BaudRate", 4);
    CGeneralSettings settings;
    settings.port = 2;
    settings.link = 1;
    settings.Load(store, allPresent);
    EXPECT_EQ(settings.port, 2);
    EXPECT_EQ(settings.link, 1);
    EXPECT_EQ(settings.baudRate, 4);
}

TEST(CGeneralSettings, AFailedWriteIsReported) {
    MemorySettingsStore store;
    store.setFailWrites(true);
    EXPECT_FALSE(CGeneralSettings{}.Save(store));
}

TEST(CGeneralSettings, CopyTakesEverythingAssignmentKeepsPortFlags) {
    CGeneralSettings original;
    original.portPresent = {1, 0, 1, 0};
    original.baudRate = 5;
    original.lockPassword = "pw";
    const CGeneralSettings copy = original;
    EXPECT_EQ(copy.portPresent, original.portPresent);

    CGeneralSettings target;
    target.portPresent = {0, 0, 0, 1};
    target = copy;
    EXPECT_EQ(target.baudRate, 5);
    EXPECT_EQ(target.lockPassword, "pw");
    EXPECT_EQ(target.portPresent, (std::array<std::int32_t, 4>{0, 0, 0, 1}));
}

} // namespace
