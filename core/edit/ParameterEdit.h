#pragma once

#include "core/app/UnitSystem.h"
#include "core/edit/FieldRef.h"
#include "core/edit/ParameterAddress.h"

#include <cstdint>
#include <vector>

namespace kelo {

/// One change a page makes: this field of this channel of this unit is now this index.
struct Edit {
    std::uint32_t unitKey = 0;
    FieldRef field{};
    std::uint32_t value = 0;
    EditOrigin origin = EditOrigin::ChannelPage;
};

/// How the edit is spread: the Link setting (every other unit of the system takes the edit too).
struct EditOptions {
    bool link = false;
};

/// One field written into one unit's record.
struct RecordWrite {
    std::uint32_t unitKey = 0;
    FieldRef field{};
    std::uint32_t oldValue = 0;
    std::uint32_t newValue = 0;
};

/// One `ParameterSet` for the line, with the unit it goes to.
struct ParameterSend {
    std::uint32_t unitKey = 0;
    std::uint32_t busId = 0; ///< 0-based bus identifier
    std::uint8_t model = 0;  ///< the family's model byte
    ParameterAddress address{};
    std::uint16_t value = 0;

    bool operator==(const ParameterSend&) const = default;
};

/// What one edit did: the record writes (edited unit, its partner, then each linked unit and its
/// partner) and the sends in the order they go to the line. A unit whose new delay does not fit a
/// `ParameterSet` (above 65535 mm) is listed in wholeSettingsUnits instead of getting that send: it is
/// sent its whole settings image.
struct EditResult {
    std::vector<RecordWrite> writes;
    std::vector<ParameterSend> sends;
    std::vector<std::uint32_t> wholeSettingsUnits;

    bool empty() const { return writes.empty(); }
    /// Appends another result (sends and writes keep their order; units needing settings once each).
    void append(const EditResult& other);
};

/// Applies one edit to a system: clamps the value to the field's range, writes the unit's field, the
/// pair partner's when the field is ganged (output mute only from a channel page; the sum delay never),
/// and with Link on the same field (and the partner's when the edited unit is ganged) of every other
/// unit, linked by unit key. Nothing is written for an unknown unit or a field the family does not have.
EditResult applyEdit(UnitSystem& system, const Edit& edit, const EditOptions& options);

/// Writes a list of record writes back (newValue, or oldValue when @p undo) and returns the writes done
/// with the sends they need, in the list's order (reversed for undo). Units no longer in the system are
/// skipped.
EditResult replayWrites(UnitSystem& system, const std::vector<RecordWrite>& writes, bool undo);

/// The sends for a list of record writes, from the records as they stand, in the list's order.
EditResult sendsForWrites(const UnitSystem& system, const std::vector<RecordWrite>& writes);

} // namespace kelo
