#include "core/comm/engine/UnitGanging.h"

#include "core/comm/protocol/FamilyLine.h"
#include "core/edit/ParameterAddress.h"

namespace kelo {

void SendGangingFlags(CommEngine& engine, Family family, const Unit& unit) {
    const std::uint8_t model = familyLine(family).model;
    const auto send = [&](const ParameterAddress& address, std::uint32_t flag) {
        engine.SendParameter(unit.busId(), model, address.block, address.index, address.offset,
                             static_cast<std::uint16_t>(flag));
    };
    if (const ProcessorUnit* processor = unit.processor()) {
        send(kInputGangingAddress, processor->live.inputGanging());
        send(kOutputGangingAddress, processor->live.outputGanging());
    } else if (const AmpUnit* amp = unit.amp()) {
        send(kInputGangingAddress, amp->live.ganging());
    }
}

} // namespace kelo
