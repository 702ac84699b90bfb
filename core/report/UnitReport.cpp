#include "core/report/UnitReport.h"

#include "core/app/PresetLabel.h"
#include "core/units/TextConvert.h"
#include "core/units/processor/RoutingMode.h"

#include <algorithm>

namespace kelo::report {

namespace {

GlobalCurveSwitches switchesOf(const std::array<std::uint32_t, 3>& flags) {
    return GlobalCurveSwitches{flags[0] != 0, flags[1] != 0, flags[2] != 0};
}

} // namespace

UnitReport buildUnitReport(Family family, const Unit& unit) {
    UnitReport report;
    const ProgramName& programName =
        unit.visit([](const auto& record) -> const ProgramName& { return record.live.name; });
    report.title = utf16ToUtf8(unit.name()) + " < ID:" + std::to_string(std::uint64_t{unit.busId()} + 1) +
                   " >  -  Preset: " + presetLabel(family, unit.currentProgram(), programName);
    if (const ProcessorUnit* processor = unit.processor()) {
        // A damaged mode reads as the last one, as the curves take it.
        report.routingCode = routingModeLabel(std::min(processor->live.routingMode, kRoutingModeCount - 1));
        report.tables = processorReportText(*processor);
        report.switches = switchesOf(processor->graphSwitches);
        std::array<Curve, UnitParams::kOutputCount> curves;
        composeGlobalCurves(curves, processor->live, report.switches);
        report.curves.assign(curves.begin(), curves.end());
    } else if (const AmpUnit* amp = unit.amp()) {
        report.tables = ampReportText(*amp);
        report.switches = switchesOf(amp->graphSwitches);
        report.switches.inputEq = false;
        std::array<Curve, AmpParams::kChannelCount> curves;
        composeGlobalCurves(curves, amp->live, report.switches);
        report.curves.assign(curves.begin(), curves.end());
    }
    return report;
}

} // namespace kelo::report
