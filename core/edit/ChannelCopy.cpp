#include "core/edit/ChannelCopy.h"

#include "core/edit/FieldAccess.h"
#include "core/edit/FieldCatalogue.h"

namespace kelo {

namespace {

// Mute and polarity stay with the channel they belong to; everything that shapes the sound is copied,
// and of the dynamics blocks only the amplifier's (a processor input's gate stays).
bool isCopied(Family family, Field field) {
    const bool processorGate =
        family != Family::TzAmp && field >= Field::GateAttack && field <= Field::GateBypass;
    return field != Field::OutputMute && field != Field::OutputPolarity && !processorGate;
}

} // namespace

std::vector<FieldRef> channelFields(Family family, GangGroup group, std::uint8_t channel) {
    const FieldCatalogue& catalogue = FieldCatalogue::of(family);
    std::vector<FieldRef> fields;
    for (const FieldRef& ref : catalogue.allRefs()) {
        const FieldSpec& spec = *catalogue.spec(ref.field);
        if (spec.gang == group && spec.gang != GangGroup::None && ref.channel == channel &&
            isCopied(family, ref.field)) {
            fields.push_back(ref);
        }
    }
    return fields;
}

EditResult copyChannel(UnitSystem& system, const ChannelRef& from, const ChannelRef& to,
                       const EditOptions& options) {
    const Unit* source = system.FindUnit(from.unitKey);
    if (source == nullptr || system.FindUnit(to.unitKey) == nullptr || from.group != to.group) {
        return {};
    }
    const std::vector<FieldRef> sourceFields = channelFields(system.family(), from.group, from.channel);
    const std::vector<FieldRef> targetFields = channelFields(system.family(), to.group, to.channel);
    if (sourceFields.empty() || sourceFields.size() != targetFields.size()) {
        return {};
    }
    // Read everything first: with ganging or Link the copy may write the source channel itself.
    std::vector<std::uint32_t> values;
    values.reserve(sourceFields.size());
    for (const FieldRef& ref : sourceFields) {
        values.push_back(readField(*source, ref).value_or(0));
    }
    EditResult result;
    for (std::size_t i = 0; i < targetFields.size(); ++i) {
        result.append(applyEdit(system, Edit{to.unitKey, targetFields[i], values[i], EditOrigin::ChannelPage},
                                options));
    }
    return result;
}

} // namespace kelo
