#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace kelo::sim {

/// Fault switches of one simulated unit; the default value is a healthy unit.
///
/// Counting switches count the messages this unit hears (addressed to it, at its line speed,
/// while it is switched on) from the moment the switches are set.
struct SimFaults {
    /// The unit acts on every Nth message but its reply is lost (0: never).
    std::uint32_t dropEveryNth = 0;
    /// The next N dump blocks the unit sends carry a wrong checksum.
    std::uint32_t corruptCrcBlocks = 0;
    /// Replies carry this identifier instead of the unit's own.
    std::optional<std::uint8_t> answerAsId;
    /// Replies carry this model byte instead of the unit's own.
    std::optional<std::uint8_t> answerAsModel;
    /// The unit answers this many more messages, then switches itself off (a unit losing power).
    std::optional<std::uint32_t> silentAfter;
    /// The next N requests are answered with a busy reply and not acted on.
    std::uint32_t busyNext = 0;
    /// Every Nth request is answered with a busy reply and not acted on (0: never).
    std::uint32_t busyEveryNth = 0;
    /// Data byte of the busy reply; anything but 0 or 1 makes the reply malformed.
    std::uint8_t busyValue = 1;
    /// Bytes of line noise (never 0xF0) sent in place of every reply (0: none).
    std::uint32_t noiseBytes = 0;
    /// Send the noise ahead of the reply instead of in its place.
    bool noiseBeforeReply = false;
    /// Pause before each reply.
    std::chrono::milliseconds replyDelay{0};
    /// Uploads announce and send this many zero-filled blocks after the real image.
    std::uint8_t extraBlocks = 0;
    /// Uploads announce 0 blocks and send none (a unit with nothing to give).
    bool emptyUploads = false;
    /// Length field written into the dump blocks the unit sends instead of the true one (14 bits).
    std::optional<std::uint16_t> blockLengthField;
};

} // namespace kelo::sim
