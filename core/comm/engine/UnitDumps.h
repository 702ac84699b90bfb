#pragma once

#include "core/family/Family.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/line/CommResult.h"
#include "core/comm/protocol/ConnectionEntry.h"
#include "core/units/amp/AmpLiveParams.h"
#include "core/units/processor/LiveParams.h"

#include <cstdint>
#include <vector>

namespace kelo {

/// True when @p entry is a connected unit that a system of @p family may talk to: state connected and a
/// model byte that is still unknown or the family's own. A unit of another family is never read into,
/// or written from, a system of this one.
bool isConnectedFor(const ConnectionEntry& entry, Family family);

/// The four operations that move one memory image between a record and a unit: the current settings
/// and single stored programs, in both directions (images: docs/memory-images.md).
///
/// REQUIRES: used inside a CommEngine::PortSession, which the caller holds for as long as it needs the
/// line; these operations take no lock of their own.
///
/// Every operation returns NotConnected, sending nothing, when the engine is not running or the unit
/// is not connected for the family; otherwise the exchange result. A failed exchange marks the unit not
/// responding. One exception: a program read that the unit refuses (no program at that location)
/// returns UploadRefused, leaves the program as it was and does not change the unit's state.
class UnitDumps {
public:
    UnitDumps(CommEngine::PortSession& session, Family family) : m_session(session), m_family(family) {}

    CommResult SendUnitSettings(std::uint32_t id, const LiveParams& live);
    CommResult SendUnitSettings(std::uint32_t id, const AmpLiveParams& live);

    /// Reads the settings image into @p live; a short image fills only what it holds.
    CommResult ReadUnitSettings(std::uint32_t id, LiveParams& live);
    CommResult ReadUnitSettings(std::uint32_t id, AmpLiveParams& live);

    /// Sends @p program to the location of program number @p number (the family's numbering).
    CommResult StoreProgram(std::uint32_t id, std::uint32_t number, const UnitParams& program);
    CommResult StoreProgram(std::uint32_t id, std::uint32_t number, const AmpParams& program);

    /// Reads the program at the location of program number @p number into @p program.
    CommResult ReadProgram(std::uint32_t id, std::uint32_t number, UnitParams& program);
    CommResult ReadProgram(std::uint32_t id, std::uint32_t number, AmpParams& program);

private:
    enum class Kind { Settings, Program };

    CommResult send(std::uint32_t id, Kind kind, std::uint32_t number, std::span<const std::uint8_t> raw);
    CommResult receive(std::uint32_t id, Kind kind, std::uint32_t number, std::vector<std::uint8_t>& image);
    /// The exchange when the unit may be talked to, else nullptr.
    MessageExchange* exchangeFor(std::uint32_t id);
    void markFailed(std::uint32_t id, CommResult result);

    CommEngine::PortSession& m_session;
    Family m_family;
};

} // namespace kelo
