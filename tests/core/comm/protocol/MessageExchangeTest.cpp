#include "core/comm/protocol/MessageExchange.h"
#include "core/comm/protocol/Pack7in8.h"
#include "tests/core/comm/protocol/ScriptedLine.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kelo {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ScriptedLine;

Bytes statusReply(std::uint8_t model, std::uint8_t id, Bytes data = Bytes(6, 0)) {
    return encodeFrame(model, id, Command::StatusReply, data);
}

Bytes oneByteReply(std::uint8_t model, std::uint8_t id, Command command, std::uint8_t value) {
    return encodeFrame(model, id, command, Bytes{value});
}

class ExchangeTest : public ::testing::Test {
protected:
    ExchangeTest() {
        std::ofstream(m_dir.file("diagnostic.log")) << "old";
        m_log.activateIfPresent();
    }

    test::TempDir m_dir;
    DiagnosticLog m_log{m_dir.file("diagnostic.log")};
    ScriptedLine m_line;
    MessageExchange m_exchange{m_line, Family::Tz48, &m_log};
    std::array<std::uint32_t, 18> m_status{};
};

TEST_F(ExchangeTest, StatusPollSucceedsAtFirstAttempt) {
    std::array<std::uint32_t, 18> levels{};
    levels[0] = 5;
    levels[7] = 3;
    levels[13] = 7;
    m_line.answer(statusReply(0x08, 4, encodeStatus(Family::Tz48, levels)));
    EXPECT_EQ(m_exchange.statusPoll(0x08, 4, m_status), CommResult::Ok);
    ASSERT_EQ(m_line.writes().size(), 1u);
    EXPECT_EQ(m_line.writes()[0], (Bytes{0xF0, 0x2F, 0x08, 0x04, 0x02, 0xF7}));
    EXPECT_EQ(m_status, levels);
    EXPECT_EQ(m_log.counters(4).scanMsg, 2u);
    EXPECT_EQ(m_log.counters(4).lastErr, 0u);
    EXPECT_EQ(m_log.totalSent(), 1u);
    EXPECT_EQ(m_log.totalReceived(), 1u);
}

TEST_F(ExchangeTest, WrongIdentifierIsMalformedThenRetried) {
    m_line.answer(statusReply(0x08, 5));
    m_line.answer(statusReply(0x08, 4));
    EXPECT_EQ(m_exchange.statusPoll(0x08, 4, m_status), CommResult::Ok);
    EXPECT_EQ(m_line.writes().size(), 2u);
    EXPECT_EQ(m_log.counters(4).scanErr, 1u);
    EXPECT_EQ(m_log.totalErrors(), 1u);
}

TEST_F(ExchangeTest, NoiseWithoutStartByteEndsEachAttemptAfterSixteenBytes) {
    Reply reply;
    m_line.feed(Bytes(40, 0x55));
    EXPECT_EQ(m_exchange.readReply(1, 0, reply), CommResult::NoStartByte);
    EXPECT_EQ(m_line.unread(), 24u);

    m_line.answer(Bytes(16, 0x12));
    m_line.answer(Bytes(16, 0x12));
    m_line.answer(Bytes(16, 0x12));
    EXPECT_EQ(m_exchange.statusPoll(0x08, 1, m_status), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_line.writes().size(), 3u);
    EXPECT_EQ(m_log.counters(1).scanErr, 3u);
    EXPECT_EQ(m_log.counters(1).lastErr, 12u);
}

TEST_F(ExchangeTest, StatusPollJudgesModelBusyAndCommand) {
    const std::array<std::uint32_t, 18> before = m_status;
    m_line.answer(statusReply(0x09, 2));
    m_line.answer(oneByteReply(0x08, 2, Command::BusyReply, 1));
    m_line.answer(oneByteReply(0x08, 2, Command::DumpAck, 0));
    EXPECT_EQ(m_exchange.statusPoll(0x08, 2, m_status), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_status, before);
    EXPECT_EQ(m_log.counters(2).lastErr, 22u);

    m_line.answer(oneByteReply(0x08, 2, Command::BusyReply, 0));
    m_line.answer(statusReply(0x08, 2));
    EXPECT_EQ(m_exchange.statusPoll(0x08, 2, m_status), CommResult::Ok);

    m_line.answer(Bytes{0xF0, 0x2F, 0x08, 0x02, 0x1C, 0, 0, 0, 0, 0, 0, 0x00});
    m_line.answer(Bytes{0xF0, 0x2E, 0x08, 0x02});
    m_line.answer(Bytes{0xF0, 0x2F, 0x08});
    EXPECT_EQ(m_exchange.statusPoll(0x08, 2, m_status), CommResult::NoAcceptedReply);
}

TEST_F(ExchangeTest, ConnectionPollTakesAnyModelButTheWildcard) {
    std::uint8_t model = 0;
    m_line.answer(statusReply(0x7F, 6));
    m_line.answer(statusReply(0x09, 6, Bytes{1, 2}));
    MessageExchange amp(m_line, Family::TzAmp, &m_log);
    EXPECT_EQ(amp.connectionPoll(0x7F, 6, model, m_status), CommResult::Ok);
    EXPECT_EQ(model, 0x09);
    EXPECT_EQ(m_line.writes()[0], (Bytes{0xF0, 0x2F, 0x7F, 0x06, 0x02, 0xF7}));
    EXPECT_EQ(m_status[0], 1u);
    EXPECT_EQ(m_status[3], 2u);
}

TEST_F(ExchangeTest, SetParameterExactBytesAndJudgments) {
    m_line.answer(oneByteReply(0x08, 3, Command::BusyReply, 1));
    m_line.answer(statusReply(0x08, 3));
    EXPECT_EQ(m_exchange.setParameter(0x08, 3, {0x2A, 2, 0x10, 0x1234}), CommResult::Ok);
    const Bytes expected{0xF0, 0x2F, 0x08, 0x03, 0x04, 0x2A, 0x02, 0x10, 0x34, 0x24, 0x00, 0x38, 0xF7};
    ASSERT_EQ(m_line.writes().size(), 2u);
    EXPECT_EQ(m_line.writes()[0], expected);
    EXPECT_EQ(m_line.writes()[1], expected);
    EXPECT_EQ(m_log.counters(3).paramMsg, 2u);
    EXPECT_EQ(m_log.totalReceived(), 2u);

    m_line.answer(oneByteReply(0x08, 3, Command::BusyReply, 2));
    m_line.answer(oneByteReply(0x08, 3, Command::DumpAck, 0));
    m_line.answer(Bytes{});
    EXPECT_EQ(m_exchange.setParameter(0x08, 3, {0x11, 0, 0, 1}), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_log.counters(3).paramErr, 3u);
    EXPECT_EQ(m_log.counters(3).lastErr, 4u);
}

TEST_F(ExchangeTest, BaudRateToOneUnitAndBroadcast) {
    m_line.answer(statusReply(0x08, 0));
    EXPECT_EQ(m_exchange.setUnitBaudRate(0x08, 0, 4), CommResult::Ok);
    EXPECT_EQ(m_line.writes()[0], (Bytes{0xF0, 0x2F, 0x08, 0x00, 0x01, 0x04, 0xF7}));

    m_line.feed(statusReply(0x08, 0));
    EXPECT_EQ(m_exchange.broadcastBaudRate(4), CommResult::Ok);
    ASSERT_EQ(m_line.writes().size(), 2u);
    EXPECT_EQ(m_line.writes()[1], (Bytes{0xF0, 0x2F, 0x7F, 0x7F, 0x01, 0x04, 0xF7}));
    EXPECT_EQ(m_line.unread(), 12u);
    EXPECT_EQ(m_log.counters(31).scanMsg, 1u);
    EXPECT_EQ(m_log.counters(0).scanMsg, 3u);
    EXPECT_EQ(m_log.totalSent(), 1u + 32u);
}

TEST_F(ExchangeTest, UploadRefusedEndsAtOnce) {
    m_line.answer(oneByteReply(0x08, 1, Command::DumpRefused, 0));
    std::vector<std::uint8_t> image{1, 2, 3};
    EXPECT_EQ(m_exchange.uploadImage(0x08, 1, {0x44, 5}, 1, image), CommResult::UploadRefused);
    ASSERT_EQ(m_line.writes().size(), 1u);
    EXPECT_EQ(m_line.writes()[0], (Bytes{0xF0, 0x2F, 0x08, 0x01, 0x07, 0x44, 0x05, 0xF7}));
    EXPECT_TRUE(image.empty());
}

TEST_F(ExchangeTest, DownloadResendsABlockTheUnitRejects) {
    const Bytes raw(264, 0x9C);
    m_line.answer(oneByteReply(0x08, 7, Command::DumpNak, 0));
    m_line.answer(oneByteReply(0x08, 7, Command::DumpAck, 0));
    m_line.answer(oneByteReply(0x08, 7, Command::DumpNak, 1));
    m_line.answer(oneByteReply(0x08, 7, Command::DumpAck, 1));
    EXPECT_EQ(m_exchange.downloadImage(0x08, 7, {0x04, 0}, raw, 304), CommResult::Ok);
    ASSERT_EQ(m_line.writes().size(), 4u);
    EXPECT_EQ(m_line.writes()[1], m_line.writes()[0]);
    const Bytes& block = m_line.writes()[2];
    EXPECT_EQ(block.size(), 304 + 12u);
    EXPECT_EQ(m_line.writes()[3], block);
    const auto frame = decodeFrame(block);
    ASSERT_TRUE(frame);
    DumpBlockData decoded;
    ASSERT_EQ(decodeDumpBlock(frame->data, decoded), CommResult::Ok);
    EXPECT_EQ(decoded.blockNumber, 1);
    EXPECT_EQ(decoded.packed, Pack7in8(raw, 304));
}

TEST_F(ExchangeTest, BlockNeverAcknowledgedFailsAfterFiveAttempts) {
    m_line.answer(oneByteReply(0x08, 7, Command::DumpAck, 0));
    for (int i = 0; i < 5; ++i) {
        m_line.answer(oneByteReply(0x08, 7, Command::DumpNak, 1));
    }
    EXPECT_EQ(m_exchange.downloadImage(0x08, 7, {0x00, 1}, Bytes(276, 1), 320), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_line.writes().size(), 6u);
    EXPECT_EQ(m_log.counters(7).dumpErr, 5u);
}

Bytes blockFrame(std::uint8_t model, std::uint8_t id, std::uint8_t number, const Bytes& raw) {
    return encodeFrame(model, id, Command::DumpBlock, encodeDumpBlock(number, Pack7in8(raw, 304)));
}

TEST_F(ExchangeTest, UploadAcceptsBlocksInOrderAndNaksBadOnes) {
    Bytes first(264);
    Bytes second(264);
    for (std::size_t i = 0; i < 264; ++i) {
        first[i] = static_cast<std::uint8_t>(i);
        second[i] = static_cast<std::uint8_t>(255 - i);
    }
    Bytes corrupt = blockFrame(0x08, 2, 2, second);
    corrupt[20] ^= 0x01;
    Bytes ackAndFirst = oneByteReply(0x08, 2, Command::DumpAck, 2);
    const Bytes firstBlock = blockFrame(0x08, 2, 1, first);
    ackAndFirst.insert(ackAndFirst.end(), firstBlock.begin(), firstBlock.end());
    m_line.answer(ackAndFirst);
    m_line.answer(blockFrame(0x08, 2, 1, first)); // after the first ack: a repeat of block 1
    m_line.answer(corrupt);                       // after the nak: a damaged block 2
    m_line.answer(blockFrame(0x08, 2, 2, second));
    m_line.answer(Bytes{});

    std::vector<std::uint8_t> image;
    EXPECT_EQ(m_exchange.uploadImage(0x08, 2, {0x44, 0}, 2, image), CommResult::Ok);
    ASSERT_EQ(image.size(), 2 * 266u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), image.begin()));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), image.begin() + 266));

    const auto& w = m_line.writes();
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[1], oneByteReply(0x08, 2, Command::DumpAck, 1));
    EXPECT_EQ(w[2], oneByteReply(0x08, 2, Command::DumpNak, 2));
    EXPECT_EQ(w[3], oneByteReply(0x08, 2, Command::DumpNak, 2));
    EXPECT_EQ(w[4], oneByteReply(0x08, 2, Command::DumpAck, 2));
    EXPECT_EQ(m_log.counters(2).dumpErr, 2u);
    EXPECT_EQ(m_log.counters(2).lastErr, 0u);
}

TEST_F(ExchangeTest, UploadNeverOverrunsItsBuffers) {
    std::vector<std::uint8_t> image;
    m_line.answer(oneByteReply(0x08, 2, Command::DumpAck, 3));
    EXPECT_EQ(m_exchange.uploadImage(0x08, 2, {0x40, 0}, 1, image), CommResult::Malformed);
    EXPECT_EQ(m_line.writes().size(), 1u);

    // A length field of 0x3FFF: the header is read and nothing beyond it.
    DumpBlockData block;
    m_line.feed(Bytes{0xF0, 0x2F, 0x08, 0x02, 0x08, 0x01, 0x7F, 0x7F, 0x00, 0x00});
    EXPECT_EQ(m_exchange.readBlock(0x08, 2, block), CommResult::Malformed);
    EXPECT_EQ(m_line.unread(), 2u);

    m_line.answer(oneByteReply(0x08, 2, Command::DumpAck, 0));
    image = {9};
    EXPECT_EQ(m_exchange.uploadImage(0x08, 2, {0x40, 0}, 1, image), CommResult::Ok);
    EXPECT_TRUE(image.empty());
}

TEST_F(ExchangeTest, UploadGivesUpAfterFiveBadBlocks) {
    m_line.answer(oneByteReply(0x08, 2, Command::DumpAck, 1));
    std::vector<std::uint8_t> image;
    EXPECT_EQ(m_exchange.uploadImage(0x08, 2, {0x40, 0}, 1, image), CommResult::NoAcceptedReply);
    EXPECT_EQ(m_line.writes().size(), 6u);
    EXPECT_EQ(m_line.writes().back(), oneByteReply(0x08, 2, Command::DumpNak, 1));
}

} // namespace
} // namespace kelo
