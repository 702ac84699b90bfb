#pragma once

#include "core/family/Family.h"
#include "core/comm/line/CommResult.h"
#include "core/comm/protocol/DiagnosticLog.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/protocol/Message.h"
#include "core/comm/line/SerialLine.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kelo {

/// Attempts of every exchange, and of sending or receiving a block.
inline constexpr int kExchangeAttempts = 3;
inline constexpr int kBlockAttempts = 5;
/// Bytes examined while hunting for the start byte of a reply, and of a received block.
inline constexpr int kReplySearchLimit = 16;
inline constexpr int kBlockSearchLimit = 270;
/// Largest block the receiver holds: three header bytes, packed data and checksum.
inline constexpr std::size_t kBlockBufferBytes = 496;

/// A reply as read from the line, before the exchange judges it.
struct Reply {
    std::uint8_t model = 0;
    Command command = Command::StatusReply;
    std::vector<std::uint8_t> data;
};

/// The message exchanges with the units: each sends its message, reads and judges the reply, and makes
/// its attempts. Wire layout in docs/wire-protocol.md.
///
/// REQUIRES: the caller holds the engine's port lock for the whole of each call (a whole-unit transfer
/// holds it across many calls). Every exchange returns Ok or the result of its last failed attempt as
/// NoAcceptedReply; only an upload refusal (UploadRefused) and a receive buffer that would overflow
/// (Malformed) end an exchange early.
class MessageExchange {
public:
    /// @param line the open line; must outlive the exchange object
    /// @param family decides the length of a StatusReply and how its data map to status fields
    /// @param log counters of the diagnostic log, or nullptr
    MessageExchange(SerialLine& line, Family family, DiagnosticLog* log = nullptr);

    Family family() const { return m_family; }

    /// Reads one reply from unit @p id (not a DumpBlock).
    /// @param otherDataBytes data bytes expected for a command of unknown length
    /// @return Ok, IoIncomplete, NoStartByte within 16 bytes, or Malformed (marker, identifier, end byte)
    CommResult readReply(std::uint8_t id, std::size_t otherDataBytes, Reply& reply);

    /// Status poll of the background sweep: accepted is a StatusReply carrying @p model.
    /// @param status receives the reply's status values; untouched unless the poll succeeds
    CommResult statusPoll(std::uint8_t model, std::uint8_t id, std::span<std::uint32_t, 18> status);

    /// Status poll of the connection procedure: sends @p model (kModelAny while unknown) and accepts a
    /// StatusReply with any model byte but kModelAny.
    /// @param replyModel receives the unit's model byte
    CommResult connectionPoll(std::uint8_t model, std::uint8_t id, std::uint8_t& replyModel,
                              std::span<std::uint32_t, 18> status);

    /// Sends one parameter; accepted is any StatusReply, a BusyReply 0/1 asks for another attempt.
    CommResult setParameter(std::uint8_t model, std::uint8_t id, const ParameterSetData& parameter);

    /// Tells one unit to switch its line to @p baudIndex; accepted is a StatusReply carrying @p model.
    CommResult setUnitBaudRate(std::uint8_t model, std::uint8_t id, int baudIndex);

    /// Tells every unit to switch to @p baudIndex. Written once; no reply is read.
    CommResult broadcastBaudRate(int baudIndex);

    /// Opens a transfer to the unit; accepted is DumpAck, DumpNak or anything else asks again.
    CommResult openDownload(std::uint8_t model, std::uint8_t id, DumpTarget target);

    /// Opens a transfer from the unit; accepted is DumpAck, whose data byte is the block count.
    /// @return UploadRefused at once when the unit answers DumpRefused
    CommResult openUpload(std::uint8_t model, std::uint8_t id, DumpTarget target, std::uint8_t& blockCount);

    /// Sends one block (up to five attempts). Only a DumpAck accepts it: a DumpNak means the unit did
    /// not take the block, so it is sent again.
    CommResult sendBlock(std::uint8_t model, std::uint8_t id, std::uint8_t blockNumber,
                         std::span<const std::uint8_t> packed);

    /// Reads one DumpBlock from unit @p id (a single attempt).
    /// @return Ok; IoIncomplete; NoStartByte within 270 bytes; Malformed for a wrong marker, model,
    ///         identifier, command or end byte, or a length field beyond the block buffer (nothing more is
    ///         read then); CrcMismatch
    CommResult readBlock(std::uint8_t model, std::uint8_t id, DumpBlockData& block);

    /// Answers a received block with DumpAck or DumpNak carrying @p blockNumber.
    CommResult sendDumpAnswer(std::uint8_t model, std::uint8_t id, Command answer, std::uint8_t blockNumber);

    /// The whole download of one image: open, then one block (number 1) of @p raw packed into
    /// @p packedLength bytes.
    CommResult downloadImage(std::uint8_t model, std::uint8_t id, DumpTarget target,
                             std::span<const std::uint8_t> raw, std::size_t packedLength);

    /// The whole upload of one image: open, then every announced block, unpacked and appended to @p image.
    /// @param maxBlocks the blocks the receiver's image buffer holds; a unit that announces more gets
    ///        Malformed and nothing is read
    /// @return Ok (with @p image possibly empty when the unit announces 0 blocks), UploadRefused,
    ///         Malformed, or NoAcceptedReply after five failed blocks
    CommResult uploadImage(std::uint8_t model, std::uint8_t id, DumpTarget target, std::size_t maxBlocks,
                           std::vector<std::uint8_t>& image);

private:
    enum class Verdict { Accept, Retry, Stop };
    struct Judgment {
        Verdict verdict;
        CommResult code; ///< failure code of a Retry, the result of a Stop
    };

    template <typename Judge>
    CommResult exchange(LogColumn column, std::uint8_t id, const std::vector<std::uint8_t>& message,
                        int attempts, std::size_t otherDataBytes, Judge judge);
    CommResult send(LogColumn column, std::uint8_t id, std::span<const std::uint8_t> message);
    CommResult readByte(std::uint8_t& byte);
    CommResult huntStart(int limit);
    std::size_t dataBytesOf(Command command, std::size_t otherDataBytes) const;

    SerialLine& m_line;
    Family m_family;
    DiagnosticLog* m_log;
};

} // namespace kelo
