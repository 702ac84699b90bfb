#pragma once

#include "core/report/PageLayout.h"

class QPainter;

namespace kelo::gui {

/// Paints one laid-out report page with the report's fonts, brushes and pens, all black on white.
/// The painter's coordinates are the device units the layout was made for (a printer's or PDF
/// writer's paint rectangle, without a transform).
void paintReportPage(QPainter& painter, const report::PageLayout& page, const report::PageGeometry& geometry);

} // namespace kelo::gui
