#pragma once

#include "core/units/UnitSystem.h"
#include "core/report/PageLayout.h"
#include "core/report/ReportPages.h"
#include "core/report/UnitReport.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace kelo::report {

/// A configuration report: two pages for every selected unit of a system, with everything the pages
/// print already formatted. Built when printing starts and dropped when it ends.
struct Report {
    std::string documentTitle; ///< the footer's first item: the system's file name
    std::string printedAt;     ///< the footer's date and time (reportDateText())
    std::vector<UnitReport> units;

    int pageCount() const { return reportPageCount(units.size()); }
};

/// The report of the units at the given positions of the system's list, in the order given.
/// Positions outside the list are left out.
Report buildReport(const UnitSystem& system, std::span<const std::size_t> selection,
                   std::string documentTitle, std::string printedAt);

/// Every position of a system's list, for "All Units".
std::vector<std::size_t> allUnits(const UnitSystem& system);

/// What page `page` (1-based) draws on a page of the given size; an empty layout for a page outside
/// 1..pageCount().
PageLayout layoutReportPage(const Report& report, int page, const PageGeometry& geometry);

} // namespace kelo::report
