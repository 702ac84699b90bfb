#include "tests/sim/SimTestSupport.h"

#include "core/comm/protocol/Message.h"
#include "core/comm/protocol/Pack7in8.h"

#include <algorithm>

namespace kelo::sim::test {
namespace {

using SimFaultsTest = SimLineTest;

Bytes parameterSet(std::uint8_t id, std::uint16_t value) {
    return encodeFrame(0x08, id, Command::ParameterSet, encodeParameterSet({0x15, 198, 0x20, value}));
}

Bytes busy(std::uint8_t id, std::uint8_t value) {
    return {0xF0, 0x2F, 0x08, id, 0x1D, value, 0xF7};
}

TEST_F(SimFaultsTest, DroppedRepliesStillTakeEffect) {
    start(Family::Tz48, {0});
    SimFaults faults;
    faults.dropEveryNth = 2;
    sim().setFaults(0, faults);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    expectUnanswered(parameterSet(0, 300), 0); // the probe is the third message: answered
    EXPECT_EQ(sim().unit(0).parameters.at({0x15, 198, 0x20}), 300);
    expectUnanswered(statusRequest(0), 0);
}

TEST_F(SimFaultsTest, CorruptedBlockChecksumIsRepairedOnRequest) {
    start(Family::Tz48P, {0});
    SimFaults faults;
    faults.corruptCrcBlocks = 1;
    sim().setFaults(0, faults);
    const Bytes reply = peer().exchange({0xF0, 0x2F, 0x08, 0x00, 0x07, 0x40, 0x00, 0xF7}, 7 + 332);
    ASSERT_EQ(reply.size(), 339u);
    DumpBlockData block;
    const auto bad = decodeFrame(std::span(reply).subspan(7));
    ASSERT_TRUE(bad);
    EXPECT_EQ(decodeDumpBlock(bad->data, block), CommResult::CrcMismatch);

    const Bytes again = peer().exchange({0xF0, 0x2F, 0x08, 0x00, 0x1B, 0x01, 0xF7}, 332);
    const auto good = decodeFrame(again);
    ASSERT_TRUE(good);
    EXPECT_EQ(decodeDumpBlock(good->data, block), CommResult::Ok);
}

TEST_F(SimFaultsTest, RepliesCanNameAnotherUnitOrModel) {
    start(Family::Tz48, {2});
    SimFaults faults;
    faults.answerAsId = 9;
    sim().setFaults(2, faults);
    EXPECT_EQ(peer().exchange(statusRequest(2), 12), stillStatus(9));
    faults = {};
    faults.answerAsModel = 0x09;
    sim().setFaults(2, faults);
    Bytes expected = stillStatus(2);
    expected[2] = 0x09;
    EXPECT_EQ(peer().exchange(statusRequest(2), 12), expected);
}

TEST_F(SimFaultsTest, SilentUnitStaysOffUntilSwitchedOn) {
    start(Family::Tz48, {0, 1});
    SimFaults faults;
    faults.silentAfter = 2;
    sim().setFaults(0, faults);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    expectUnanswered(statusRequest(0), 1);
    expectUnanswered(statusRequest(0), 1);
    EXPECT_FALSE(sim().unit(0).powered);
    EXPECT_EQ(sim().unit(0).messagesReceived, 2u);

    sim().setPowered(0, true);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    sim().setPowered(1, false);
    expectUnanswered(statusRequest(1), 0);
}

TEST_F(SimFaultsTest, BusyRequestsAreNotActedOn) {
    start(Family::Tz48, {0});
    SimFaults faults;
    faults.busyNext = 2;
    faults.busyValue = 0;
    sim().setFaults(0, faults);
    EXPECT_EQ(peer().exchange(parameterSet(0, 7), 7), busy(0, 0));
    EXPECT_EQ(peer().exchange(parameterSet(0, 7), 7), busy(0, 0));
    EXPECT_TRUE(sim().unit(0).parameters.empty());
    EXPECT_EQ(peer().exchange(parameterSet(0, 7), 12), stillStatus(0));
    EXPECT_EQ(sim().unit(0).parameters.size(), 1u);

    faults = {};
    faults.busyEveryNth = 3;
    faults.busyValue = 2; // a value the editor must treat as malformed
    sim().setFaults(0, faults);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(peer().exchange(statusRequest(0), 7), busy(0, 2));
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
}

TEST_F(SimFaultsTest, NoiseNeverHoldsAStartByte) {
    start(Family::Tz48, {0});
    SimFaults faults;
    faults.noiseBytes = 270;
    sim().setFaults(0, faults);
    const Bytes noise = peer().exchange(statusRequest(0), 270);
    ASSERT_EQ(noise.size(), 270u);
    EXPECT_EQ(std::count(noise.begin(), noise.end(), 0xF0), 0);

    faults.noiseBytes = 5;
    faults.noiseBeforeReply = true;
    sim().setFaults(0, faults);
    const Bytes reply = peer().exchange(statusRequest(0), 17);
    ASSERT_EQ(reply.size(), 17u);
    EXPECT_EQ(Bytes(reply.begin() + 5, reply.end()), stillStatus(0));
}

TEST_F(SimFaultsTest, UploadsCanAnnounceMoreBlocksOrAFalseLength) {
    start(Family::TzAmp, {0});
    SimFaults faults;
    faults.extraBlocks = 1;
    sim().setFaults(0, faults);
    const Bytes first = peer().exchange({0xF0, 0x2F, 0x09, 0x00, 0x07, 0x40, 0x00, 0xF7}, 7 + 268);
    ASSERT_EQ(first.size(), 275u);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 7), (Bytes{0xF0, 0x2F, 0x09, 0x00, 0x1A, 0x02, 0xF7}));
    const auto second = decodeFrame(peer().exchange({0xF0, 0x2F, 0x09, 0x00, 0x1A, 0x01, 0xF7}, 268));
    ASSERT_TRUE(second);
    DumpBlockData block;
    ASSERT_EQ(decodeDumpBlock(second->data, block), CommResult::Ok);
    EXPECT_EQ(block.blockNumber, 2);
    EXPECT_EQ(Unpack7in8(block.packed), Bytes(224, 0));
    expectUnanswered({0xF0, 0x2F, 0x09, 0x00, 0x1A, 0x02, 0xF7}, 0);

    faults = {};
    faults.blockLengthField = 0x3FFF;
    sim().setFaults(0, faults);
    const Bytes oversize = peer().exchange({0xF0, 0x2F, 0x09, 0x00, 0x07, 0x40, 0x00, 0xF7}, 7 + 268);
    ASSERT_EQ(oversize.size(), 275u);
    EXPECT_EQ(oversize[7 + 6], 0x7F);
    EXPECT_EQ(oversize[7 + 7], 0x7F);
}

} // namespace
} // namespace kelo::sim::test
