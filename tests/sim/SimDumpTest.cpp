#include "tests/sim/SimTestSupport.h"

#include "core/comm/protocol/Message.h"
#include "core/comm/protocol/Pack7in8.h"

namespace kelo::sim::test {
namespace {

using SimDumpTest = SimLineTest;

Bytes pattern(std::size_t size, unsigned seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return bytes;
}

Bytes dumpRequest(std::uint8_t model, std::uint8_t id, std::uint8_t kind, std::uint8_t location) {
    return {0xF0, 0x2F, model, id, 0x07, kind, location, 0xF7};
}

Bytes answer(std::uint8_t model, std::uint8_t id, Command command, std::uint8_t value) {
    return {0xF0, 0x2F, model, id, toByte(command), value, 0xF7};
}

Bytes blockMessage(std::uint8_t model, std::uint8_t id, std::uint8_t number, const Bytes& raw,
                   std::size_t packedLength) {
    return encodeFrame(model, id, Command::DumpBlock, encodeDumpBlock(number, Pack7in8(raw, packedLength)));
}

/// The image carried by a dump block message, checked on the way.
Bytes imageOf(const Bytes& message, std::uint8_t expectedNumber) {
    const std::optional<Frame> frame = decodeFrame(message);
    EXPECT_TRUE(frame);
    if (!frame) {
        return {};
    }
    EXPECT_EQ(frame->command, Command::DumpBlock);
    DumpBlockData block;
    EXPECT_EQ(decodeDumpBlock(frame->data, block), CommResult::Ok);
    EXPECT_EQ(block.blockNumber, expectedNumber);
    return Unpack7in8(block.packed);
}

TEST_F(SimDumpTest, SettingsUploadSendsOneBlockAndRepeatsItOnRequest) {
    start(Family::Tz48, {0});
    const Bytes image = pattern(276, 3);
    sim().setSettingsImage(0, image);
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x40, 0x00), 7), answer(0x08, 0, Command::DumpAck, 1));
    const Bytes block = peer().read(332);
    const Bytes raw = imageOf(block, 1);
    ASSERT_EQ(raw.size(), 280u);
    EXPECT_EQ(Bytes(raw.begin(), raw.begin() + 276), image);

    // A refused block comes again, unchanged; the acknowledgement of the last block ends the upload.
    EXPECT_EQ(peer().exchange(answer(0x08, 0, Command::DumpNak, 1), 332), block);
    expectUnanswered(answer(0x08, 0, Command::DumpAck, 1), 0);
    EXPECT_EQ(sim().unit(0).transfer.direction, SimTransfer::Direction::None);
}

TEST_F(SimDumpTest, ProgramUploadIsRefusedForAnEmptyLocation) {
    start(Family::Tz48, {0});
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x44, 5), 7), answer(0x08, 0, Command::DumpRefused, 5));
    const Bytes program = pattern(264, 11);
    sim().setProgramImage(0, 5, program);
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x44, 5), 7), answer(0x08, 0, Command::DumpAck, 1));
    const Bytes raw = imageOf(peer().read(316), 1);
    ASSERT_EQ(raw.size(), 266u);
    EXPECT_EQ(Bytes(raw.begin(), raw.begin() + 264), program);
}

TEST_F(SimDumpTest, UnknownKindsAndLocationsAreRefusedPerFamily) {
    start(Family::TzAmp, {2});
    // The amplifier's locations are its program numbers 1..32; 0 and 33 do not exist, and the
    // processor families' program kinds mean nothing to it.
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 2, 0x41, 0), 7), answer(0x09, 2, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 2, 0x41, 33), 7), answer(0x09, 2, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 2, 0x44, 1), 7), answer(0x09, 2, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 2, 0x00, 0x00), 7), answer(0x09, 2, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 2, 0x41, 32), 7), answer(0x09, 2, Command::DumpRefused, 32));

    m_peer.reset();
    start(Family::Tz48P, {0});
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x44, 64), 7), answer(0x08, 0, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x41, 1), 7), answer(0x08, 0, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x44, 63), 7), answer(0x08, 0, Command::DumpRefused, 63));
}

TEST_F(SimDumpTest, SettingsDownloadReplacesTheImageAndTheSingleValues) {
    start(Family::Tz48, {1});
    peer().exchange(encodeFrame(0x08, 1, Command::ParameterSet, encodeParameterSet({0x11, 0, 0x08, 5})), 12);
    ASSERT_EQ(sim().unit(1).parameters.size(), 1u);

    const Bytes image = pattern(276, 1);
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 1, 0x00, 0x01), 7), answer(0x08, 1, Command::DumpAck, 1));
    EXPECT_EQ(peer().exchange(blockMessage(0x08, 1, 1, image, 320), 7), answer(0x08, 1, Command::DumpAck, 1));
    EXPECT_EQ(sim().unit(1).settingsImage, image);
    EXPECT_TRUE(sim().unit(1).parameters.empty());
}

TEST_F(SimDumpTest, DownloadedBlocksAreCheckedBeforeTheyAreStored) {
    start(Family::Tz48, {0});
    const Bytes program = pattern(264, 9);
    Bytes damaged = blockMessage(0x08, 0, 1, program, 304);
    damaged[damaged.size() - 4] ^= 0x01; // checksum
    Bytes wrongNumber = blockMessage(0x08, 0, 2, program, 304);
    Bytes wrongSize = blockMessage(0x08, 0, 1, program, 320);
    Bytes badLength = blockMessage(0x08, 0, 1, program, 304);
    badLength[7] = 0x7F;

    EXPECT_EQ(peer().exchange(blockMessage(0x08, 0, 1, program, 304), 7),
              answer(0x08, 0, Command::DumpNak, 0));
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x04, 3), 7), answer(0x08, 0, Command::DumpAck, 1));
    for (const Bytes& bad : {damaged, wrongNumber, wrongSize, badLength}) {
        EXPECT_EQ(peer().exchange(bad, 7), answer(0x08, 0, Command::DumpNak, 1));
    }
    EXPECT_FALSE(sim().unit(0).programs[3]);

    EXPECT_EQ(peer().exchange(blockMessage(0x08, 0, 1, program, 304), 7),
              answer(0x08, 0, Command::DumpAck, 1));
    // The same block again (our acknowledgement was lost) is acknowledged again.
    EXPECT_EQ(peer().exchange(blockMessage(0x08, 0, 1, program, 304), 7),
              answer(0x08, 0, Command::DumpAck, 1));
    ASSERT_TRUE(sim().unit(0).programs[3]);
    EXPECT_EQ(*sim().unit(0).programs[3], program);
}

TEST_F(SimDumpTest, StoredProgramComesBackUnchanged) {
    start(Family::TzAmp, {4});
    const Bytes program = pattern(210, 77);
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 4, 0x01, 32), 7), answer(0x09, 4, Command::DumpAck, 1));
    EXPECT_EQ(peer().exchange(blockMessage(0x09, 4, 1, program, 240), 7),
              answer(0x09, 4, Command::DumpAck, 1));
    EXPECT_EQ(peer().exchange(dumpRequest(0x09, 4, 0x41, 32), 7), answer(0x09, 4, Command::DumpAck, 1));
    const Bytes raw = imageOf(peer().read(252), 1);
    ASSERT_EQ(raw.size(), 210u);
    EXPECT_EQ(raw, program);
}

TEST_F(SimDumpTest, ARequestAbandonsAnOpenUpload) {
    start(Family::Tz48, {0});
    EXPECT_EQ(peer().exchange(dumpRequest(0x08, 0, 0x40, 0x00), 7 + 332).size(), 339u);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    expectUnanswered(answer(0x08, 0, Command::DumpNak, 1), 0);
}

} // namespace
} // namespace kelo::sim::test
