#include "core/comm/engine/SystemTransfer.h"

#include "core/edit/ParameterAddress.h"

#include "core/app/UnitSystem.h"
#include "core/comm/engine/UnitDumps.h"
#include "core/comm/engine/UnitTransfer.h"
#include "core/comm/protocol/FamilyLine.h"

namespace kelo {

namespace {

void tell(const TransferProgress& progress, const std::string& label) {
    if (progress.label) {
        progress.label(label);
    }
}

void advance(const TransferProgress& progress, std::uint32_t handled, std::uint32_t count) {
    if (progress.advanced) {
        progress.advanced(handled, count);
    }
}

} // namespace

bool TransferOutcome::allOk() const {
    for (const UnitResult& unit : units) {
        if (unit.result != CommResult::Ok) {
            return false;
        }
    }
    return true;
}

TransferOutcome SystemTransfer::readConnectedUnits(UnitSystem& system, const TransferProgress& progress) {
    const Family family = system.family();
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        if (isConnectedFor(m_engine.GetConnectionEntry(id), family)) {
            ids.push_back(id);
        }
    }
    TransferOutcome outcome;
    UnitTransfer transfer(m_engine, family, m_factory);
    const auto count = static_cast<std::uint32_t>(ids.size());
    for (std::uint32_t id : ids) {
        tell(progress, "Uploading From ID " + std::to_string(id + 1));
        ReadUnitResult read = transfer.ReadUnit(id);
        if (read.unit) {
            system.appendScannedUnit(std::move(*read.unit));
        }
        outcome.units.push_back({id, read.result});
        advance(progress, static_cast<std::uint32_t>(outcome.units.size()), count);
    }
    return outcome;
}

TransferOutcome SystemTransfer::sendConnectedUnits(const UnitSystem& system,
                                                   const TransferProgress& progress) {
    const Family family = system.family();
    std::vector<const Unit*> units;
    for (const auto& unit : system.units()) {
        if (isConnectedFor(m_engine.GetConnectionEntry(unit->busId()), family)) {
            units.push_back(unit.get());
        }
    }
    TransferOutcome outcome;
    UnitTransfer transfer(m_engine, family, m_factory);
    const auto count = static_cast<std::uint32_t>(units.size());
    for (const Unit* unit : units) {
        tell(progress, "Downloading To ID " + std::to_string(unit->busId() + 1));
        outcome.units.push_back({unit->busId(), transfer.SendUnit(*unit)});
        advance(progress, static_cast<std::uint32_t>(outcome.units.size()), count);
    }
    return outcome;
}

void SystemTransfer::RenumberAfterScan(UnitSystem& system) {
    const std::uint8_t model = familyLine(system.family()).model;
    for (Unit* unit : system.RenumberAfterScan()) {
        for (const ParameterAddress& flag : {kInputGangingAddress, kOutputGangingAddress}) {
            m_engine.SendParameter(unit->busId(), model, flag.block, flag.index, flag.offset, 0);
        }
    }
    m_engine.setViewRefresh(true);
}

} // namespace kelo
