#include "core/comm/engine/UnitTransfer.h"

#include "core/comm/engine/UnitDumps.h"
#include "core/comm/images/TransferPlan.h"
#include "core/units/presets/FactoryPrograms.h"

#include <chrono>
#include <string>

namespace kelo {

namespace {

using std::chrono::milliseconds;

std::u16string scannedUnitName(std::uint32_t id) {
    std::u16string name = u"Unit";
    for (char c : std::to_string(id + 1)) {
        name.push_back(static_cast<char16_t>(c));
    }
    return name;
}

void SetReadTimeout(CommEngine::PortSession& session, int timeoutMs) {
    if (SerialLine* line = session.line()) {
        line->SetReadTimeout(timeoutMs);
    }
}

} // namespace

CommResult UnitTransfer::SendUnit(const Unit& unit) {
    const TransferPlan& plan = transferPlan(m_family);
    Clock& clock = m_engine.clock();
    const std::uint32_t id = unit.busId();
    CommResult first = CommResult::Ok;
    const auto keep = [&first](CommResult result) {
        if (first == CommResult::Ok) {
            first = result;
        }
    };

    CommEngine::PortSession session(m_engine);
    UnitDumps dumps(session, m_family);
    SetReadTimeout(session, kDownloadReadTimeoutMs);
    clock.sleepFor(milliseconds(kTransferTimeoutPauseMs));
    unit.visit([&](const auto& record) {
        keep(dumps.SendUnitSettings(id, record.live));
        clock.sleepFor(milliseconds(plan.settingsPauseMs));
        for (std::uint32_t slot = 0; slot < plan.userProgramCount; ++slot) {
            if (record.programs[slot].used == 1) {
                keep(dumps.StoreProgram(id, plan.userProgramNumber(slot), record.programs[slot]));
            }
        }
    });
    SetReadTimeout(session, kPollReadTimeoutMs);
    clock.sleepFor(milliseconds(plan.sendEndPauseMs));
    return first;
}

ReadUnitResult UnitTransfer::ReadUnit(std::uint32_t id) {
    const TransferPlan& plan = transferPlan(m_family);
    Clock& clock = m_engine.clock();
    Unit unit = makeNewUnit(m_family, m_factory);
    ReadUnitResult outcome;

    unit.visit([&](auto& record) {
        {
            CommEngine::PortSession session(m_engine);
            outcome.result = UnitDumps(session, m_family).ReadUnitSettings(id, record.live);
        }
        if (outcome.result != CommResult::Ok) {
            return;
        }
        const std::uint32_t groups = plan.userProgramCount / plan.readGroupSize;
        for (std::uint32_t group = 0; group < groups && outcome.result == CommResult::Ok; ++group) {
            {
                CommEngine::PortSession session(m_engine);
                UnitDumps dumps(session, m_family);
                for (std::uint32_t i = 0; i < plan.readGroupSize; ++i) {
                    const std::uint32_t slot = group * plan.readGroupSize + i;
                    const CommResult result =
                        dumps.ReadProgram(id, plan.userProgramNumber(slot), record.programs[slot]);
                    if (result == CommResult::UploadRefused) {
                        record.programs[slot].used = 0;
                    } else if (result != CommResult::Ok) {
                        outcome.result = result;
                        break;
                    }
                }
            }
            const bool last = group + 1 == groups;
            clock.sleepFor(milliseconds(last ? plan.readEndPauseMs : plan.readGroupPausesMs[group]));
        }
    });
    if (outcome.result == CommResult::Ok) {
        unit.setBusId(id);
        unit.setName(scannedUnitName(id));
        outcome.unit = std::move(unit);
    }
    return outcome;
}

} // namespace kelo
