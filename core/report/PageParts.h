#pragma once

#include "core/report/PageLayout.h"
#include "core/report/ReportTexts.h"
#include "core/report/UnitReport.h"

namespace kelo::report {

// The parts a report page is made of; layoutReportPage() puts them together.

/// The first page's tables of a processor unit: inputs with their gates, the input sum, six outputs.
void addProcessorTables(PageLayout& page, const ProcessorReportText& text, const PageGeometry& geometry);

/// The first page's tables of an amplifier unit: both channels, then the hum cancellers, noise gates
/// and two-band compressors of A and B.
void addAmpTables(PageLayout& page, const AmpReportText& text, const PageGeometry& geometry);

/// The second page's response graph of the unit's outputs and its legend.
void addResponseGraph(PageLayout& page, const UnitReport& unit, const PageGeometry& geometry);

} // namespace kelo::report
