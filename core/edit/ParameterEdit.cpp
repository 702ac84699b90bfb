#include "core/edit/ParameterEdit.h"

#include "core/comm/protocol/FamilyLine.h"
#include "core/edit/FieldAccess.h"
#include "core/edit/FieldCatalogue.h"

#include <algorithm>
#include <utility>

namespace kelo {

namespace {

// The largest distance a ParameterSet's 16-bit value carries.
constexpr std::uint32_t kLargestSentDelayMm = 0xFFFF;

bool isDelay(Field field) {
    return field == Field::InputDelay || field == Field::OutputDelay || field == Field::SumDelay;
}

bool isGanged(const Unit& unit, GangGroup group) {
    switch (group) {
    case GangGroup::Inputs:
        return unit.processor() != nullptr && unit.processor()->live.inputGanging() != 0;
    case GangGroup::Outputs:
        return unit.processor() != nullptr && unit.processor()->live.outputGanging() != 0;
    case GangGroup::Channels:
        return unit.amp() != nullptr && unit.amp()->live.ganging() != 0;
    case GangGroup::None:
        break;
    }
    return false;
}

void addOnce(std::vector<std::uint32_t>& keys, std::uint32_t key) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
        keys.push_back(key);
    }
}

} // namespace

void EditResult::append(const EditResult& other) {
    writes.insert(writes.end(), other.writes.begin(), other.writes.end());
    sends.insert(sends.end(), other.sends.begin(), other.sends.end());
    for (const std::uint32_t key : other.wholeSettingsUnits) {
        addOnce(wholeSettingsUnits, key);
    }
}

EditResult applyEdit(UnitSystem& system, const Edit& edit, const EditOptions& options) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(system.family());
    Unit* edited = system.FindUnit(edit.unitKey);
    if (edited == nullptr || !catalogue.contains(edit.field)) {
        return {};
    }
    const std::uint32_t value = std::min(edit.value, catalogue.maxIndex(edit.field));
    const GangGroup group = catalogue.gangGroup(edit.field);
    const bool muteOnItsOwn = edit.field.field == Field::OutputMute && edit.origin == EditOrigin::GainPage;
    const bool ganged = !muteOnItsOwn && isGanged(*edited, group);
    FieldRef partner = edit.field;
    partner.channel = FieldCatalogue::partnerChannel(group, edit.field.channel);

    std::vector<std::pair<Unit*, FieldRef>> targets{{edited, edit.field}};
    if (ganged) {
        targets.emplace_back(edited, partner);
    }
    if (options.link) {
        // Linked by unit, not by bus identifier: a file may repeat identifiers.
        for (const auto& other : system.units()) {
            if (other.get() == edited) {
                continue;
            }
            targets.emplace_back(other.get(), edit.field);
            if (ganged) {
                targets.emplace_back(other.get(), partner);
            }
        }
    }

    std::vector<RecordWrite> writes;
    writes.reserve(targets.size());
    for (const auto& [unit, ref] : targets) {
        const std::uint32_t old = readField(*unit, ref).value_or(0);
        if (writeField(*unit, ref, value)) {
            writes.push_back(RecordWrite{unit->key(), ref, old, value});
        }
    }
    return sendsForWrites(system, writes);
}

EditResult replayWrites(UnitSystem& system, const std::vector<RecordWrite>& writes, bool undo) {
    std::vector<RecordWrite> done;
    done.reserve(writes.size());
    const auto replay = [&](const RecordWrite& write) {
        Unit* unit = system.FindUnit(write.unitKey);
        if (unit != nullptr && writeField(*unit, write.field, undo ? write.oldValue : write.newValue)) {
            done.push_back(undo ? RecordWrite{write.unitKey, write.field, write.newValue, write.oldValue}
                                : write);
        }
    };
    if (undo) {
        std::for_each(writes.rbegin(), writes.rend(), replay);
    } else {
        std::for_each(writes.begin(), writes.end(), replay);
    }
    return sendsForWrites(system, done);
}

EditResult sendsForWrites(const UnitSystem& system, const std::vector<RecordWrite>& writes) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(system.family());
    const std::uint8_t model = familyLine(system.family()).model;
    EditResult result;
    result.writes = writes;
    result.sends.reserve(writes.size());
    for (const RecordWrite& write : writes) {
        const Unit* unit = system.FindUnit(write.unitKey);
        const auto address = catalogue.address(write.field);
        if (unit == nullptr || !address) {
            continue;
        }
        const std::uint32_t stored = readField(*unit, write.field).value_or(0);
        if (isDelay(write.field.field) && stored > kLargestSentDelayMm) {
            addOnce(result.wholeSettingsUnits, write.unitKey);
            continue;
        }
        result.sends.push_back(ParameterSend{write.unitKey, unit->busId(), model, *address,
                                             sentValue(*unit, write.field).value_or(0)});
    }
    return result;
}

} // namespace kelo
