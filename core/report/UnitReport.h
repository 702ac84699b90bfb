#pragma once

#include "core/units/Unit.h"
#include "core/family/Family.h"
#include "core/report/ReportTexts.h"
#include "core/scales/GlobalResponse.h"
#include "core/scales/ResponseGrid.h"

#include <string>
#include <variant>
#include <vector>

namespace kelo::report {

/// Everything the two pages of one unit print, built once when printing starts so that drawing a page
/// only lays text and points out.
struct UnitReport {
    /// Name, identifier and preset: "Main L < ID:2 >  -  Preset: 04F.Program".
    std::string title;
    /// The routing code of a processor unit ("*A135B246*"); empty for an amplifier.
    std::string routingCode;
    std::variant<ProcessorReportText, AmpReportText> tables;
    /// What the graph page's curves include; printed as its legend.
    GlobalCurveSwitches switches;
    /// One response curve per output (six) or channel (two) [dB], not clipped.
    std::vector<Curve> curves;

    bool isAmp() const { return std::holds_alternative<AmpReportText>(tables); }
};

/// The formatted values of a processor unit (both processor families).
ProcessorReportText processorReportText(const ProcessorUnit& unit);

/// The formatted values of an amplifier unit.
AmpReportText ampReportText(const AmpUnit& unit);

/// The report of one unit of a system of the given family.
UnitReport buildUnitReport(Family family, const Unit& unit);

} // namespace kelo::report
