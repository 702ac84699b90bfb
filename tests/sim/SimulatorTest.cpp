#include "tests/sim/SimTestSupport.h"

#include "core/comm/protocol/Message.h"

#include <stdexcept>
#include <thread>

namespace kelo::sim::test {
namespace {

using SimulatorTest = SimLineTest;

TEST_F(SimulatorTest, AnswersItsOwnAndTheAnyModelByteOnly) {
    start(Family::Tz48, {0, 4});
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(peer().exchange(statusRequest(4, 0x08), 12), stillStatus(4));
    expectUnanswered(statusRequest(4, 0x09), 0); // another model
    expectUnanswered(statusRequest(3), 0);       // nobody there
    expectUnanswered(statusRequest(0x7F), 0);    // a status request to everyone would collide
    EXPECT_EQ(sim().unit(4).messagesReceived, 1u);
    EXPECT_EQ(sim().framesReceived(), 8u);
}

TEST_F(SimulatorTest, StatusReplyCarriesTheFamilyLayout) {
    start(Family::Tz48P, {2});
    sim().modifyUnit(2, [](SimUnit& unit) {
        for (std::size_t k = 0; k < 14; ++k) {
            unit.status[k] = k % 8;
        }
    });
    // Fourteen 3-bit values 0,1,..7,0,..5 as 42 bits in six 7-bit bytes.
    EXPECT_EQ(peer().exchange(statusRequest(2), 12),
              (Bytes{0xF0, 0x2F, 0x08, 0x02, 0x1C, 0x08, 0x0D, 0x6B, 0x47, 0x68, 0x58, 0xF7}));

    m_peer.reset();
    start(Family::TzAmp, {1});
    sim().modifyUnit(1, [](SimUnit& unit) {
        unit.status[0] = 5;
        unit.status[2] = 3;
        unit.status[3] = 7;
        unit.status[14] = 1;
        unit.status[16] = 1;
    });
    EXPECT_EQ(peer().exchange(statusRequest(1), 8), (Bytes{0xF0, 0x2F, 0x09, 0x01, 0x1C, 0x1D, 0x2F, 0xF7}));
}

TEST_F(SimulatorTest, MovingMetersChangeBetweenPolls) {
    start(Family::Tz48, {0});
    sim().modifyUnit(0, [](SimUnit& unit) { unit.metersMoving = true; });
    const Bytes first = peer().exchange(statusRequest(0), 12);
    const Bytes second = peer().exchange(statusRequest(0), 12);
    ASSERT_EQ(first.size(), 12u);
    ASSERT_EQ(second.size(), 12u);
    EXPECT_NE(first, second);
}

TEST_F(SimulatorTest, ParameterSetStoresTheValueAndAnswersStatus) {
    start(Family::Tz48, {3});
    const Bytes message{0xF0, 0x2F, 0x08, 0x03, 0x04, 0x2A, 0x02, 0x10, 0x34, 0x24, 0x00, 0x38, 0xF7};
    EXPECT_EQ(peer().exchange(message, 12), stillStatus(3));
    const auto parameters = sim().unit(3).parameters;
    ASSERT_EQ(parameters.size(), 1u);
    EXPECT_EQ(parameters.at({0x2A, 2, 0x10}), 0x1234);

    // Index 255 and offset 0xF8 travel with their bit 7 in byte 5; value 0xFFFF fills everything.
    const auto data = encodeParameterSet({0x15, 255, 0xF8, 0xFFFF});
    EXPECT_EQ(peer().exchange(encodeFrame(0x08, 3, Command::ParameterSet, data), 12), stillStatus(3));
    EXPECT_EQ(sim().unit(3).parameters.at({0x15, 255, 0xF8}), 0xFFFF);
}

TEST_F(SimulatorTest, ParameterSetWithABadChecksumIsNotAnswered) {
    start(Family::Tz48, {3});
    expectUnanswered({0xF0, 0x2F, 0x08, 0x03, 0x04, 0x2A, 0x02, 0x10, 0x34, 0x24, 0x00, 0x39, 0xF7}, 3);
    expectUnanswered({0xF0, 0x2F, 0x08, 0x03, 0x04, 0x2A, 0x02, 0x10, 0xF7}, 3); // too short
    EXPECT_TRUE(sim().unit(3).parameters.empty());
}

TEST_F(SimulatorTest, SetBaudRateIsAnsweredAtTheOldSpeedThenSwitches) {
    start(Family::Tz48, {0, 1});
    EXPECT_EQ(peer().exchange({0xF0, 0x2F, 0x08, 0x00, 0x01, 0x03, 0xF7}, 12), stillStatus(0));
    // Unit 0 no longer understands 9600 bit/s; unit 1 still does.
    expectUnanswered(statusRequest(0), 1);
    EXPECT_EQ(sim().unit(0).speedIndex, 3);
    peer().setSpeed(3);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(sim().unit(0).messagesReceived, 2u);
}

TEST_F(SimulatorTest, BroadcastSetBaudRateSwitchesEveryUnitWithoutReply) {
    start(Family::TzAmp, {0, 7});
    peer().write(Bytes{0xF0, 0x2F, 0x7F, 0x7F, 0x01, 0x06, 0xF7});
    ASSERT_TRUE(sim().waitForFrames(1, std::chrono::seconds(5)));
    peer().setSpeed(6);
    EXPECT_EQ(peer().exchange(statusRequest(7), 8), stillStatus(7));
    EXPECT_EQ(sim().unit(0).speedIndex, 6);
    // A speed the table does not have is not acted on.
    expectUnanswered({0xF0, 0x2F, 0x09, 0x00, 0x01, 0x07, 0xF7}, 0);
    EXPECT_EQ(sim().unit(0).speedIndex, 6);
}

TEST_F(SimulatorTest, UnitsUnderstandOnlyTheirOwnLineSpeed) {
    start(Family::Tz48, {0});
    peer().setSpeed(1); // 14400 has no classic speed constant
    peer().write(statusRequest(0));
    ASSERT_TRUE(sim().waitForFrames(1, std::chrono::seconds(5)));
    peer().setSpeed(0);
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
    EXPECT_EQ(sim().unit(0).messagesReceived, 1u);
}

TEST_F(SimulatorTest, NoiseFromTheEditorIsSkipped) {
    start(Family::Tz48, {0});
    // Bytes outside a message, a message cut short by a new start, one broken by a high byte,
    // a wrong marker and an overlong run are all dropped; the line keeps working.
    Bytes noise{0x00, 0x7F, 0xF7, 0x2F, 0xF0, 0x2F, 0x7F, 0xF0, 0x2F, 0x7F, 0x00,
                0x85, 0x02, 0xF7, 0xF0, 0x3F, 0x7F, 0x00, 0x02, 0xF7, 0xF0};
    noise.resize(noise.size() + 2000, 0x11);
    noise.push_back(0xF7);
    expectUnanswered(noise, 0);
    EXPECT_EQ(sim().unit(0).messagesReceived, 1u);
}

TEST_F(SimulatorTest, ClosingTheLineBringsUnitsBackTo9600) {
    start(Family::Tz48, {0});
    EXPECT_EQ(peer().exchange({0xF0, 0x2F, 0x08, 0x00, 0x01, 0x05, 0xF7}, 12), stillStatus(0));
    for (int i = 0; i < 500 && sim().unit(0).speedIndex != 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    m_peer->close();
    for (int i = 0; i < 500 && sim().unit(0).speedIndex != 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(sim().unit(0).speedIndex, 0);
    m_peer = std::make_unique<LinePeer>(sim().devicePath());
    EXPECT_EQ(peer().exchange(statusRequest(0), 12), stillStatus(0));
}

TEST(SimulatorPacing, PacedRepliesKeepTheirBytes) {
    Simulator sim(SimOptions{Family::TzAmp, {5}, {}, true, true, {}});
    sim.modifyUnit(5, [](SimUnit& unit) { unit.metersMoving = false; });
    LinePeer peer(sim.devicePath());
    EXPECT_EQ(peer.exchange({0xF0, 0x2F, 0x09, 0x05, 0x02, 0xF7}, 8),
              (Bytes{0xF0, 0x2F, 0x09, 0x05, 0x1C, 0x00, 0x00, 0xF7}));
}

TEST(SimulatorSetUp, RejectsIdentifiersOutsideTheBusOrRepeated) {
    EXPECT_THROW(Simulator(SimOptions{Family::Tz48, {32}, {}, false, true, {}}), std::invalid_argument);
    EXPECT_THROW(Simulator(SimOptions{Family::Tz48, {3, 3}, {}, false, true, {}}), std::invalid_argument);
    Simulator sim(SimOptions{Family::Tz48, {31}, {}, false, true, {}});
    EXPECT_THROW(sim.unit(0), std::out_of_range);
    EXPECT_THROW(sim.setProgramImage(31, 64, Bytes(264)), std::out_of_range);
    sim.stop();
    sim.stop();
}

TEST(SimulatorSetUp, NewUnitsHaveBlankImagesOfTheFamilySizes) {
    Simulator amp(SimOptions{Family::TzAmp, {0}, {}, false, true, {}});
    EXPECT_EQ(amp.unit(0).settingsImage, Bytes(224, 0));
    EXPECT_EQ(amp.unit(0).programs.size(), 32u);
    EXPECT_EQ(amp.unit(0).modelByte, 0x09);
    Simulator plus(SimOptions{Family::Tz48P, {0}, Bytes(276, 0x5A), false, true, {}});
    EXPECT_EQ(plus.unit(0).settingsImage, Bytes(276, 0x5A));
    EXPECT_EQ(plus.unit(0).programs.size(), 64u);
}

} // namespace
} // namespace kelo::sim::test
