#include "core/comm/protocol/Message.h"
#include "core/comm/protocol/Crc.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/protocol/Pack7in8.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string_view>

namespace kelo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes parameterFrame(std::uint8_t id, const ParameterSetData& parameter) {
    const auto data = encodeParameterSet(parameter);
    return encodeFrame(kModelProcessor, id, Command::ParameterSet, data);
}

TEST(ChecksumTest, KnownValues) {
    constexpr std::string_view digits = "123456789";
    const Bytes ascii(digits.begin(), digits.end());
    EXPECT_EQ(Crc16(ascii), 0x31C3);
    EXPECT_EQ(Crc16(Bytes{}), 0);
    const Bytes six{0x2A, 0x02, 0x10, 0x34, 0x24, 0x00};
    EXPECT_EQ(Crc8(six), 0x38);
    EXPECT_EQ(Crc8(Bytes{}), 0);
}

TEST(ParameterSetTest, ExactBytesOfTheReferenceMessage) {
    const Bytes expected{0xF0, 0x2F, 0x08, 0x03, 0x04, 0x2A, 0x02, 0x10, 0x34, 0x24, 0x00, 0x38, 0xF7};
    EXPECT_EQ(parameterFrame(3, {0x2A, 2, 0x10, 0x1234}), expected);
}

TEST(ParameterSetTest, HighBitsTravelInByteFive) {
    const auto maxValue = encodeParameterSet({0x11, 0, 0, 0xFFFF});
    EXPECT_EQ(maxValue[3], 0x7F);
    EXPECT_EQ(maxValue[4], 0x7F);
    EXPECT_EQ(maxValue[5] & 0x03, 0x03);

    const auto highOffset = encodeParameterSet({0x11, 0, 0xF8, 0});
    EXPECT_EQ(highOffset[2], 0x78);
    EXPECT_EQ(highOffset[5] & 0x04, 0x04);

    const auto output = encodeParameterSet({0x15, 196, 0x20, 0});
    EXPECT_EQ(output[1], 0x44);
    EXPECT_EQ(output[5] & 0x08, 0x08);

    const auto unitWide = encodeParameterSet({0x15, 255, 0x20, 0});
    EXPECT_EQ(unitWide[1], 0x7F);
    EXPECT_EQ(unitWide[5] & 0x08, 0x08);

    const auto highBlock = encodeParameterSet({0x9E, 0, 0, 0});
    EXPECT_EQ(highBlock[0], 0x1E);
    EXPECT_EQ(highBlock[5] & 0x10, 0x10);
}

TEST(ParameterSetTest, ChecksumBitSevenGoesToBitFiveAndEverythingStaysSevenBit) {
    bool sawHighCrc = false;
    for (unsigned value = 0; value < 4096; value += 7) {
        const ParameterSetData parameter{
            static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 3),
            static_cast<std::uint8_t>(value * 5), static_cast<std::uint16_t>(value * 37)};
        const auto data = encodeParameterSet(parameter);
        for (std::uint8_t byte : data) {
            ASSERT_LT(byte, 0x80);
        }
        std::array<std::uint8_t, 6> head{};
        std::copy(data.begin(), data.begin() + 6, head.begin());
        head[5] &= 0x1F;
        const std::uint8_t crc = Crc8(head);
        EXPECT_EQ(data[6], crc & 0x7F);
        EXPECT_EQ((data[5] & 0x20) != 0, (crc & 0x80) != 0);
        sawHighCrc = sawHighCrc || (crc & 0x80) != 0;
        EXPECT_EQ(decodeParameterSet(data), parameter);
    }
    EXPECT_TRUE(sawHighCrc);
}

TEST(ParameterSetTest, DecodeRejectsDamagedData) {
    auto data = encodeParameterSet({0x2A, 2, 0x10, 0x1234});
    EXPECT_FALSE(decodeParameterSet(std::span(data).first(6)));
    data[3] ^= 0x01;
    EXPECT_FALSE(decodeParameterSet(data));
}

TEST(FrameTest, DecodeAcceptsOnlyWholeSevenBitFrames) {
    const Bytes good = encodeFrame(0x09, 5, Command::StatusReply, Bytes{0x12, 0x34});
    const auto frame = decodeFrame(good);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->model, 0x09);
    EXPECT_EQ(frame->identifier, 5);
    EXPECT_EQ(frame->command, Command::StatusReply);
    EXPECT_EQ(frame->data, (Bytes{0x12, 0x34}));

    EXPECT_FALSE(decodeFrame(Bytes{0xF0, 0x2F, 0x08, 0x01, 0xF7}));
    EXPECT_FALSE(decodeFrame(Bytes{0xF0, 0x2E, 0x08, 0x01, 0x02, 0xF7}));
    EXPECT_FALSE(decodeFrame(Bytes{0xF0, 0x2F, 0x08, 0x81, 0x02, 0xF7}));
    EXPECT_FALSE(decodeFrame(Bytes{0xF0, 0x2F, 0x08, 0x01, 0x02, 0x00}));
    EXPECT_EQ(encodeFrame(0x7F, 0x7F, Command::SetBaudRate, Bytes{6}),
              (Bytes{0xF0, 0x2F, 0x7F, 0x7F, 0x01, 0x06, 0xF7}));
}

TEST(Pack7in8Test, SettingsImageLayout) {
    Bytes raw(276);
    std::iota(raw.begin(), raw.end(), std::uint8_t{0x70});
    const Bytes packed = Pack7in8(raw, 320);
    ASSERT_EQ(packed.size(), 320u);
    for (std::uint8_t byte : packed) {
        ASSERT_LT(byte, 0x80);
    }
    for (std::size_t pos = 315; pos <= 318; ++pos) {
        EXPECT_EQ(packed[pos], 0x00) << pos;
    }
    // First group: raw 0x70..0x76 have no bit 7; second group raw 0x77..0x7D neither; the 0x80.. bytes
    // start in group 2 (raw index 16 is 0x80), which is the third data byte of that group.
    EXPECT_EQ(packed[7], 0x00);
    EXPECT_EQ(packed[16], 0x7E);
    EXPECT_EQ(packed[23], 0b0011111);
    const Bytes unpacked = Unpack7in8(packed);
    ASSERT_EQ(unpacked.size(), 280u);
    EXPECT_TRUE(std::equal(raw.begin(), raw.end(), unpacked.begin()));
    EXPECT_EQ(unpacked[276], 0);
}

TEST(Pack7in8Test, RoundTripOfEveryFamilyBlockSize) {
    for (Family family : {Family::Tz48, Family::TzAmp}) {
        const FamilyLine& line = familyLine(family);
        for (auto [rawSize, packedSize] : {std::pair{line.settingsRawBytes, line.settingsPackedBytes},
                                           std::pair{line.programRawBytes, line.programPackedBytes}}) {
            EXPECT_EQ(packedSize, 8 * ((rawSize + 6) / 7));
            Bytes raw(rawSize);
            for (std::size_t i = 0; i < rawSize; ++i) {
                raw[i] = static_cast<std::uint8_t>(i * 151 + 7);
            }
            const Bytes unpacked = Unpack7in8(Pack7in8(raw, packedSize));
            ASSERT_GE(unpacked.size(), rawSize);
            EXPECT_TRUE(std::equal(raw.begin(), raw.end(), unpacked.begin()));
        }
    }
}

TEST(Pack7in8Test, ShortOrOddInputsStayInBounds) {
    EXPECT_EQ(Pack7in8(Bytes{0xFF}, 8), (Bytes{0x7F, 0, 0, 0, 0, 0, 0, 0x40}));
    EXPECT_EQ(Pack7in8(Bytes(20, 0xFF), 8).size(), 8u);
    EXPECT_EQ(Pack7in8(Bytes{0xFF}, 3), (Bytes{0x7F, 0, 0}));
    EXPECT_TRUE(Unpack7in8(Bytes{1, 2, 3}).empty());
    EXPECT_EQ(Unpack7in8(Bytes(12, 0)).size(), 7u);
}

TEST(DumpBlockTest, LayoutAndChecksumBytes) {
    const Bytes packed = Pack7in8(Bytes(276, 0xA5), 320);
    const Bytes data = encodeDumpBlock(1, packed);
    ASSERT_EQ(data.size(), 3 + 320 + 3u);
    EXPECT_EQ(data[0], 1);
    EXPECT_EQ((data[1] << 7) | data[2], 323);
    const std::uint16_t crc = Crc16(packed);
    EXPECT_EQ(crcFromDumpBytes(data[323], data[324], data[325]), crc);
    EXPECT_EQ(data[325] & ~0x03, 0);
    EXPECT_EQ(encodeFrame(kModelProcessor, 0, Command::DumpBlock, data).size(), 320 + 12u);

    DumpBlockData block;
    ASSERT_EQ(decodeDumpBlock(data, block), CommResult::Ok);
    EXPECT_EQ(block.blockNumber, 1);
    EXPECT_EQ(block.packed, packed);
}

TEST(DumpBlockTest, DecodeRejectsLyingLengthAndBadChecksum) {
    const Bytes packed(16, 0x11);
    Bytes data = encodeDumpBlock(2, packed);
    DumpBlockData block;
    Bytes longer = data;
    longer[2] += 1;
    EXPECT_EQ(decodeDumpBlock(longer, block), CommResult::Malformed);
    EXPECT_EQ(decodeDumpBlock(std::span(data).first(4), block), CommResult::Malformed);
    data[5] ^= 0x01;
    EXPECT_EQ(decodeDumpBlock(data, block), CommResult::CrcMismatch);
}

TEST(FamilyLineTest, DumpTargetsPerFamily) {
    EXPECT_EQ(programDumpTarget(Family::Tz48, 10, DumpDirection::ToUnit), (DumpTarget{0x04, 0}));
    EXPECT_EQ(programDumpTarget(Family::Tz48, 73, DumpDirection::FromUnit), (DumpTarget{0x44, 63}));
    EXPECT_FALSE(programDumpTarget(Family::Tz48, 9, DumpDirection::ToUnit));
    EXPECT_FALSE(programDumpTarget(Family::Tz48, 74, DumpDirection::ToUnit));
    EXPECT_EQ(programDumpTarget(Family::Tz48P, 1, DumpDirection::FromUnit), (DumpTarget{0x44, 0}));
    EXPECT_EQ(programDumpTarget(Family::TzAmp, 32, DumpDirection::ToUnit), (DumpTarget{0x01, 32}));
    EXPECT_EQ(programDumpTarget(Family::TzAmp, 1, DumpDirection::FromUnit), (DumpTarget{0x41, 1}));
    EXPECT_FALSE(programDumpTarget(Family::TzAmp, 0, DumpDirection::ToUnit));
    EXPECT_EQ(settingsDumpTarget(DumpDirection::ToUnit), (DumpTarget{0x00, 0x01}));
    EXPECT_EQ(settingsDumpTarget(DumpDirection::FromUnit), (DumpTarget{0x40, 0x00}));
}

TEST(FamilyLineTest, StatusFieldsRoundTripAndKeepOthers) {
    std::array<std::uint32_t, 18> fields{};
    for (std::size_t k = 0; k < 14; ++k) {
        fields[k] = static_cast<std::uint32_t>((k * 3 + 1) % 8);
    }
    const auto data = encodeStatus(Family::Tz48, fields);
    ASSERT_EQ(data.size(), 6u);
    std::array<std::uint32_t, 18> decoded{};
    decoded[17] = 99;
    ASSERT_TRUE(decodeStatus(Family::Tz48, data, decoded));
    EXPECT_TRUE(std::equal(fields.begin(), fields.begin() + 14, decoded.begin()));
    EXPECT_EQ(decoded[17], 99u);

    std::array<std::uint32_t, 18> amp{};
    amp.fill(7);
    ASSERT_TRUE(decodeStatus(Family::TzAmp, Bytes{0x2B, 0x2D}, amp));
    EXPECT_EQ(amp[0], 3u);
    EXPECT_EQ(amp[1], 7u);
    EXPECT_EQ(amp[2], 5u);
    EXPECT_EQ(amp[3], 5u);
    EXPECT_EQ(amp[14], 1u);
    EXPECT_EQ(amp[15], 0u);
    EXPECT_EQ(amp[16], 1u);
    EXPECT_EQ(encodeStatus(Family::TzAmp, amp), (Bytes{0x2B, 0x2D}));
    EXPECT_FALSE(decodeStatus(Family::TzAmp, data, amp));
}

} // namespace
} // namespace kelo
