#pragma once

#include "sim/SimUnit.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/comm/protocol/Message.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelo::sim {

/// What a unit sends back for one message, and what it does once that is on the line.
struct UnitReply {
    std::vector<std::uint8_t> bytes;
    /// Line speed index the unit switches to after sending the bytes.
    std::optional<int> speedAfterReply;
    std::chrono::milliseconds delay{0};
};

/// The behaviour of one unit of a family on the bus: which messages it hears, how it answers
/// each, and how its fault switches bend that answer.
class UnitResponder {
public:
    explicit UnitResponder(Family family);

    /// True when @p frame is addressed to @p unit (its identifier or the broadcast, its model or
    /// any model) and the unit is switched on.
    bool hears(const SimUnit& unit, const Frame& frame) const;

    /// Acts on a message the unit hears and builds its answer, faults applied.
    /// REQUIRES: hears(unit, frame).
    UnitReply respond(SimUnit& unit, const Frame& frame) const;

    /// A new unit of this family: blank images of the right sizes, no programs stored.
    SimUnit makeUnit(std::uint8_t id) const;

    const FamilyLine& line() const { return m_line; }

private:
    UnitReply act(SimUnit& unit, const Frame& frame) const;
    UnitReply onSetBaudRate(SimUnit& unit, const Frame& frame) const;
    UnitReply onStatusRequest(SimUnit& unit) const;
    UnitReply onParameterSet(SimUnit& unit, const Frame& frame) const;
    UnitReply onDumpRequest(SimUnit& unit, const Frame& frame) const;
    UnitReply onDumpBlock(SimUnit& unit, const Frame& frame) const;
    UnitReply onDumpAnswer(SimUnit& unit, const Frame& frame) const;

    /// Index into SimUnit::programs of a location byte; nothing for a location the unit does not have.
    std::optional<std::size_t> programSlot(const SimUnit& unit, std::uint8_t location) const;
    std::size_t packedBytes(const SimTransfer& transfer) const;
    std::vector<std::uint8_t> reply(const SimUnit& unit, Command command,
                                    std::span<const std::uint8_t> data) const;
    std::vector<std::uint8_t> statusReply(const SimUnit& unit) const;
    std::vector<std::uint8_t> uploadBlock(SimUnit& unit) const;
    void applyLineFaults(SimUnit& unit, UnitReply& answer) const;

    Family m_family;
    const FamilyLine& m_line;
};

} // namespace kelo::sim
