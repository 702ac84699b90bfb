#include "core/app/SystemFile.h"
#include "tests/support/SampleSystems.h"
#include "tests/support/TempDir.h"
#include "core/app/FamilyMagic.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/processor/ProcessorUnitBody.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using kelo::Family;
using kelo::SystemFileError;
using kelo::test::fileBytes;
using kelo::test::u32At;

const Family kFamilies[] = {Family::Tz48, Family::Tz48P, Family::TzAmp};

std::vector<std::uint8_t> magicThenCount(Family family, std::uint32_t count) {
    std::vector<std::uint8_t> bytes;
    kelo::ArchiveWriter writer(bytes);
    for (char c : kelo::familyMagic(family)) {
        writer.writeU8(static_cast<std::uint8_t>(c));
    }
    writer.writeU32(count);
    return bytes;
}

class SystemFileFamilies : public testing::TestWithParam<Family> {};

TEST_P(SystemFileFamilies, GoldenFileMatchesTheWriterAndReadsBackTheSameSystem) {
    const std::vector<std::uint8_t> golden =
        fileBytes(kelo::test::testDataPath(kelo::test::sampleFileName(GetParam())));
    const std::vector<std::uint8_t> written = kelo::writeSystemFile(kelo::test::sampleSystem(GetParam()));
    ASSERT_EQ(written, golden);

    const kelo::SystemFileReadResult read = kelo::readSystemFile(golden);
    ASSERT_TRUE(read.ok()) << read.status.message;
    EXPECT_EQ(read.system->family(), GetParam());
    ASSERT_EQ(read.system->unitCount(), 2u);
    EXPECT_EQ(read.system->lastUnitKey(), 7u);
    EXPECT_EQ(read.system->units()[1]->name(), u"Zone \u00e4\u20ac");
    EXPECT_EQ(kelo::writeSystemFile(*read.system), golden);
}

TEST_P(SystemFileFamilies, EveryTruncationIsRefusedAsDamaged) {
    const std::vector<std::uint8_t> golden = kelo::writeSystemFile(kelo::test::sampleSystem(GetParam()));
    // Cut inside the count, the key, the name, the live image, the programs and the second unit.
    for (std::size_t length :
         {22uL, 25uL, 28uL, 33uL, 46uL, 500uL, 1300uL, golden.size() / 2, golden.size() - 1}) {
        const std::vector<std::uint8_t> cut(golden.begin(),
                                            golden.begin() + static_cast<std::ptrdiff_t>(length));
        const kelo::SystemFileReadResult read = kelo::readSystemFile(cut);
        EXPECT_EQ(read.status.error, SystemFileError::DamagedBody) << "length " << length;
        EXPECT_EQ(read.status.message, "Unexpected file format.");
        EXPECT_FALSE(read.system.has_value());
    }
}

TEST_P(SystemFileFamilies, HugeCountsAndLengthsFailWithoutAllocatingFromThem) {
    EXPECT_EQ(kelo::readSystemFile(magicThenCount(GetParam(), 0xFFFFFFFF)).status.error,
              SystemFileError::DamagedBody);

    // Unit key, then a wide name claiming 0xFFFFFFFF characters.
    std::vector<std::uint8_t> bytes = magicThenCount(GetParam(), 1);
    bytes.insert(bytes.end(), {1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x', 0});
    EXPECT_EQ(kelo::readSystemFile(bytes).status.error, SystemFileError::DamagedBody);

    // Garbage after the magic.
    std::vector<std::uint8_t> garbage = magicThenCount(GetParam(), 0x01020304);
    garbage.resize(garbage.size() + 5000, 0xA5);
    EXPECT_EQ(kelo::readSystemFile(garbage).status.error, SystemFileError::DamagedBody);
}

TEST_P(SystemFileFamilies, ZeroCountAndTrailingBytesAreAccepted) {
    std::vector<std::uint8_t> bytes = magicThenCount(GetParam(), 0);
    bytes.push_back(0x42);
    const kelo::SystemFileReadResult empty = kelo::readSystemFile(bytes);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.system->empty());

    std::vector<std::uint8_t> golden = kelo::writeSystemFile(kelo::test::sampleSystem(GetParam()));
    golden.insert(golden.end(), {1, 2, 3});
    const kelo::SystemFileReadResult read = kelo::readSystemFile(golden);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.system->unitCount(), 2u);
}

TEST_P(SystemFileFamilies, SystemWithoutUnitsSavesEmptyAndIsRefusedOnOpen) {
    kelo::test::TempDir dir;
    const auto path = dir.file("empty.kle");
    ASSERT_TRUE(kelo::saveSystemFile(kelo::UnitSystem(GetParam()), path).ok());
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    const kelo::SystemFileReadResult read = kelo::loadSystemFile(path);
    EXPECT_EQ(read.status.error, SystemFileError::UnexpectedFileFormat);
    EXPECT_EQ(read.status.message, "Unexpected File Format");
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, SystemFileFamilies, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<Family>& param) {
                             return std::string(kelo::familyKey(param.param));
                         });

TEST(SystemFile, ProcessorGoldenFileHoldsFieldsAtTheirOffsets) {
    const std::vector<std::uint8_t> bytes = fileBytes(kelo::test::testDataPath("sample-tz48.kle"));
    ASSERT_EQ(bytes.size(), 148988u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 22), "**VARNOLN+File-Type***");
    EXPECT_EQ(u32At(bytes, 22), 2u);
    EXPECT_EQ(u32At(bytes, 26), 3u); // key
    const std::vector<std::uint8_t> nameHeader(bytes.begin() + 30, bytes.begin() + 36);
    EXPECT_EQ(nameHeader, (std::vector<std::uint8_t>{0xFF, 0xFE, 0xFF, 6, 'M', 0}));
    const std::size_t live = 46;
    EXPECT_EQ(u32At(bytes, live + 112), 43u);    // input A gain
    EXPECT_EQ(u32At(bytes, live + 1096), 3u);    // routing mode
    EXPECT_EQ(u32At(bytes, live + 1144), 1001u); // live word 1
    EXPECT_EQ(u32At(bytes, live + 1152), 12u);   // current program (word 3)
    EXPECT_EQ(u32At(bytes, live + 1204), 77u);   // temperature (word 17)
    EXPECT_EQ(u32At(bytes, live + 1224), 1u);    // mute of output 3
    EXPECT_EQ(u32At(bytes, live + 1240), 1u);    // bus identifier
    const std::size_t programs = live + 1244;
    EXPECT_EQ(std::string(bytes.begin() + programs, bytes.begin() + programs + 8), "USER ONE");
    EXPECT_EQ(u32At(bytes, programs + 1100), 1u);              // program 1 used
    EXPECT_EQ(u32At(bytes, programs + 63 * 1144 + 1132), 99u); // program 64, gate B range
    const std::size_t second = programs + 64 * 1144;
    EXPECT_EQ(u32At(bytes, second), 7u);
    const std::vector<std::uint8_t> tail(bytes.begin() + second + 18, bytes.begin() + second + 20);
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{0xE4, 0x00})); // 'ä' as UTF-16LE
}

TEST(SystemFile, AmpGoldenFileHoldsFieldsAtTheirOffsets) {
    const std::vector<std::uint8_t> bytes = fileBytes(kelo::test::testDataPath("sample-amp.kle"));
    ASSERT_EQ(bytes.size(), 59148u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 22), "**TZAMP..-File-Type***");
    const std::size_t live = 46;
    EXPECT_EQ(u32At(bytes, live + 240), 100u); // hum A frequency
    EXPECT_EQ(u32At(bytes, live + 392), 39u);  // compressor B word 13
    EXPECT_EQ(u32At(bytes, live + 852), 55u);  // output B band 10 gain
    EXPECT_EQ(u32At(bytes, live + 900), 4u);   // current program (word 3)
    EXPECT_EQ(u32At(bytes, live + 916), 0u);   // AmpGanging (word 7)
    EXPECT_EQ(u32At(bytes, live + 944), 50u);  // temperature (word 15, word 14 skipped)
    EXPECT_EQ(u32At(bytes, live + 952), 0u);   // link mode (word 17) follows ganging
    EXPECT_EQ(u32At(bytes, live + 960), 1u);   // mute B
    EXPECT_EQ(u32At(bytes, live + 964), 1u);   // hum by-pass A
    EXPECT_EQ(u32At(bytes, live + 992), 1u);   // bus identifier
    EXPECT_EQ(u32At(bytes, live + 996 + 31 * 892 + 884), 0xDEADBEEFu); // program 32 reserved
}

TEST(SystemFile, MagicDecidesTheFamilyByAll22Bytes) {
    std::vector<std::uint8_t> bytes = magicThenCount(Family::TzAmp, 0);
    EXPECT_EQ(kelo::detectFamily(bytes), Family::TzAmp);
    EXPECT_EQ(kelo::detectFamily(std::span(bytes).first(21)), std::nullopt);
    bytes[21] = '!';
    EXPECT_EQ(kelo::detectFamily(bytes), std::nullopt);
    bytes = magicThenCount(Family::Tz48P, 0);
    bytes[2] = 'q';
    EXPECT_EQ(kelo::readSystemFile(bytes).status.error, SystemFileError::UnexpectedFileFormat);
}

TEST(SystemFile, EightBitNamesReadAsLatin1AndAreWrittenWide) {
    std::vector<std::uint8_t> bytes = magicThenCount(Family::Tz48, 1);
    bytes.insert(bytes.end(), {5, 0, 0, 0, 3, 'A', 0xE9, 'Z'});
    bytes.resize(bytes.size() + kelo::kLiveParamsImageSize + 64 * kelo::kUnitParamsImageSize);
    const kelo::SystemFileReadResult read = kelo::readSystemFile(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.system->units()[0]->name(), u"A\u00e9Z");
    const std::vector<std::uint8_t> rewritten = kelo::writeSystemFile(*read.system);
    EXPECT_EQ(rewritten.size(), bytes.size() + 3 + 3);
    EXPECT_EQ(kelo::writeSystemFile(*kelo::readSystemFile(rewritten).system), rewritten);
}

TEST(SystemFile, FailedSaveKeepsThePreviousFileAndLeavesNoTemporary) {
    kelo::test::TempDir dir;
    const auto path = dir.file("system.kle");
    ASSERT_TRUE(kelo::saveSystemFile(kelo::test::sampleSystem(Family::Tz48), path).ok());
    const auto before = fileBytes(path);

    // The target is replaced by rename; a directory in its place makes the rename fail.
    const auto blocked = dir.file("blocked.kle");
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked / "inside");
    const kelo::SystemFileStatus status =
        kelo::saveSystemFile(kelo::test::sampleSystem(Family::Tz48), blocked);
    EXPECT_EQ(status.error, SystemFileError::CannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
    EXPECT_EQ(
        kelo::saveSystemFile(kelo::test::sampleSystem(Family::Tz48), dir.file("no/such/folder.kle")).error,
        SystemFileError::CannotWrite);

    ASSERT_TRUE(kelo::saveSystemFile(kelo::test::sampleSystem(Family::TzAmp), path).ok());
    EXPECT_NE(fileBytes(path), before);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u); // system.kle and blocked.kle only
}

TEST(SystemFile, MissingFileCannotBeOpened) {
    kelo::test::TempDir dir;
    EXPECT_EQ(kelo::loadSystemFile(dir.file("absent.kle")).status.error, SystemFileError::CannotOpen);
}

} // namespace
