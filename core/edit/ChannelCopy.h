#pragma once

#include "core/edit/FieldRef.h"
#include "core/edit/ParameterEdit.h"

#include <cstdint>
#include <vector>

namespace kelo {

/// A channel of a unit whose settings can be copied: a processor input or output, or an amplifier channel.
struct ChannelRef {
    std::uint32_t unitKey = 0;
    GangGroup group = GangGroup::Outputs; ///< Inputs, Outputs (processors) or Channels (amplifier)
    std::uint8_t channel = 0;
};

/// The fields copied with a channel: EQ bands, crossover, gain, delay, limiter, and for the amplifier
/// also the hum canceller, gate and compressor with their by-pass words.
std::vector<FieldRef> channelFields(Family family, GangGroup group, std::uint8_t channel);

/// Copies one channel's settings onto another channel of the same or another unit of the same system,
/// each field through applyEdit() (so ganging and Link apply as for any edit).
/// @return everything written and sent; empty when either channel does not exist or the groups differ
EditResult copyChannel(UnitSystem& system, const ChannelRef& from, const ChannelRef& to,
                       const EditOptions& options);

} // namespace kelo
