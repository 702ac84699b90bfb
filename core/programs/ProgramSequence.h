#pragma once

#include "core/units/Unit.h"
#include "core/comm/line/CommResult.h"
#include "core/family/Family.h"
#include "core/units/ProgramName.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kelo {

class CommEngine;
class FactoryPrograms;
class UnitSystem;

/// What the user asked of a unit's programs.
struct ProgramRequest {
    enum class Action { Store, RecallUser, RecallFactory };
    Action action = Action::RecallFactory;
    std::uint32_t index = 0;         ///< user slot (store, user recall) or factory program, 0-based
    bool link = false;               ///< the "Link" setting: every other unit of the system follows
    std::optional<ProgramName> name; ///< store only: the name typed for the program
};

/// One unit's share of the line work of a store or recall.
struct ProgramSend {
    Unit unit;                  ///< copy of the unit's record as changed: the sends read only this
    bool storesProgram = false; ///< the user program `slot` goes first, then the settings
    std::uint32_t slot = 0;
    int pauseMs = 0; ///< after the unit's sends, still holding the port lock
};

/// The result of the document step: which units changed and, in order, what each is to be sent.
struct ProgramPlan {
    Family family = Family::Tz48;
    std::vector<std::uint32_t> changedUnits; ///< unit keys; the requested unit first
    std::vector<ProgramSend> sends;          ///< one per changed unit, same order
};

/// A program store or recall in two steps, so that the window that asked stays responsive:
/// prepare() changes the records at once on the thread that owns the document, and send() then does
/// the line work unit by unit (each under its own hold of the port lock, with the family's pause) from
/// copies, on any thread, without touching the document.
class ProgramSequence {
public:
    /// Told before each unit's sends: its place in the plan and the unit about to be sent.
    using Progress = std::function<void(std::size_t index, const ProgramSend& send)>;

    /// Changes the records of @p unit and, with link, of every other unit of @p system.
    /// @return nothing (and nothing changed) for a slot or factory program the family does not have, or
    ///         a recall of an empty user slot
    static std::optional<ProgramPlan> prepare(UnitSystem& system, Unit& unit, const ProgramRequest& request,
                                              FactoryPrograms& factory);

    /// Sends a plan, in order. The engine's own rules apply: nothing reaches a unit that is not
    /// connected or an engine that is not running.
    /// @return the result of each unit's sends, in plan order
    static std::vector<CommResult> send(CommEngine& engine, FactoryPrograms& factory, const ProgramPlan& plan,
                                        const Progress& progress = {});
};

} // namespace kelo
