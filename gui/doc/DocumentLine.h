#pragma once

#include "core/comm/protocol/ConnectionEntry.h"

#include <cstdint>

namespace kelo::gui {

class CSystemDoc;

/// What the Network Scan choice of a new system produced.
enum class ScanOutcome {
    BackToChooser, ///< nothing found or not on line: the chooser comes back
    Discard,       ///< units were found but none could be read: the new system is dropped
    Done           ///< the document holds the scanned units, renumbered, and stays on line
};

/// Where the system documents reach the serial line. One object, the editor's on-line part, owns which
/// system is on line; every document is handed it and asks it. A document without one behaves as if no
/// line existed (never on line, nothing is sent, no scan runs).
class DocumentLine {
public:
    virtual ~DocumentLine() = default;

    /// True while @p document is the system on line and the engine runs for it.
    virtual bool isOnLine(const CSystemDoc& document) const = 0;
    /// Runs the Network Scan of a new system (every identifier, units read into the document and
    /// renumbered). The document opens the unit windows when the outcome is Done.
    virtual ScanOutcome scanForNewSystem(CSystemDoc& document) = 0;
    /// Rebuilds the connection after a unit was added to an on-line system.
    virtual void reconnect(CSystemDoc& document) = 0;
    /// Takes a document off the line that goes away or is emptied; nothing when it is not on line.
    virtual void takeOffLine(CSystemDoc& document) = 0;
    /// A unit with this bus identifier (0..31) left an on-line system.
    virtual void unitRemoved(CSystemDoc& document, std::uint32_t busId) = 0;
    /// Sends a unit's ganging flags after Modify Unit.
    virtual void sendGanging(CSystemDoc& document, std::uint32_t unitKey) = 0;
    /// State of the connection-table entry of bus identifier @p busId (0..31).
    virtual ConnectionState connectionState(std::uint32_t busId) const = 0;
};

} // namespace kelo::gui
