#include "core/comm/engine/UnitGanging.h"

#include "core/comm/protocol/FamilyLine.h"

namespace kelo {

namespace {

constexpr std::uint8_t kGangingBlock = 0x35;
constexpr std::uint8_t kUnitWideIndex = 255;
constexpr std::uint8_t kInputGangingParameter = 0x0F;
constexpr std::uint8_t kOutputGangingParameter = 0x10;

} // namespace

void SendGangingFlags(CommEngine& engine, Family family, const Unit& unit) {
    const std::uint8_t model = familyLine(family).model;
    const auto send = [&](std::uint8_t parameter, std::uint32_t flag) {
        engine.SendParameter(unit.busId(), model, kGangingBlock, kUnitWideIndex, parameter,
                             static_cast<std::uint16_t>(flag));
    };
    if (const ProcessorUnit* processor = unit.processor()) {
        send(kInputGangingParameter, processor->live.inputGanging());
        send(kOutputGangingParameter, processor->live.outputGanging());
    } else if (const AmpUnit* amp = unit.amp()) {
        send(kInputGangingParameter, amp->live.ganging());
    }
}

} // namespace kelo
