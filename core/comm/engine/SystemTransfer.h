#pragma once

#include "core/comm/engine/CommEngine.h"
#include "core/comm/line/CommResult.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelo {

class FactoryPrograms;
class UnitSystem;

/// How a transfer of whole units went, one entry per unit handled, in the order handled.
struct TransferOutcome {
    struct UnitResult {
        std::uint32_t id;  ///< bus identifier 0..31
        CommResult result; ///< Ok, or the first failure (the unit is then not responding)
    };
    std::vector<UnitResult> units;

    bool allOk() const;
};

/// Told before each unit ("Uploading From ID %d" / "Downloading To ID %d") and after it (the number of
/// units handled so far, of how many).
struct TransferProgress {
    std::function<void(const std::string& label)> label;
    std::function<void(std::uint32_t handled, std::uint32_t count)> advanced;
};

/// The transfers that follow a network scan, for every connected unit, and the renumbering of the units
/// read. The results of single units are not shown; a unit that failed is left not responding.
class SystemTransfer {
public:
    SystemTransfer(CommEngine& engine, FactoryPrograms& factory) : m_engine(engine), m_factory(factory) {}

    /// Reads every connected unit of the system's family, identifiers 0..31 in order, and appends each
    /// unit read in full to @p system. A unit that fails adds nothing.
    TransferOutcome readConnectedUnits(UnitSystem& system, const TransferProgress& progress = {});

    /// Sends every unit of @p system, in list order, whose identifier is connected.
    TransferOutcome sendConnectedUnits(const UnitSystem& system, const TransferProgress& progress = {});

    /// After a scan has read units into @p system: keys 0, 1, 2... in list order; units whose routing
    /// mode forbids ganging get both ganging flags cleared, in the record and on the unit; then the
    /// engine's view refresh is switched on.
    void RenumberAfterScan(UnitSystem& system);

private:
    CommEngine& m_engine;
    FactoryPrograms& m_factory;
};

} // namespace kelo
