#include "core/report/Report.h"

#include "core/report/PageParts.h"

namespace kelo::report {

namespace {

void addFooter(PageLayout& page, const Report& report, int pageNumber, const PageGeometry& geometry) {
    const int w = geometry.width;
    const int h = geometry.height;
    const int y = h - h / 33;
    const int half = h / 84;
    const int box = 2 * half;
    const int pageX = w - w / 11;
    page.texts.push_back(
        TextItem{PageRect{0, y - half, w / 4, box}, report.documentTitle, TextAlign::Left, TextFont::Footer});
    page.texts.push_back(TextItem{PageRect{w / 4, y - half, pageX - w / 4, box}, report.printedAt,
                                  TextAlign::Left, TextFont::Footer});
    page.texts.push_back(
        TextItem{PageRect{pageX, y - half, w - pageX, box},
                 "Page " + std::to_string(pageNumber) + " of " + std::to_string(report.pageCount()),
                 TextAlign::Left, TextFont::Footer});
    page.lines.push_back(LineItem{0, y + half, w, y + half, LinePen::Rule});
}

void addTitle(PageLayout& page, const UnitReport& unit, const PageGeometry& geometry) {
    const int w = geometry.width;
    const int t = geometry.top();
    page.texts.push_back(
        TextItem{PageRect{0, 0, 3 * w / 4, t}, unit.title, TextAlign::Left, TextFont::Title});
    if (!unit.routingCode.empty()) {
        page.texts.push_back(TextItem{PageRect{3 * w / 4, 0, w - 3 * w / 4, t}, unit.routingCode,
                                      TextAlign::Right, TextFont::Title});
    }
}

} // namespace

Report buildReport(const UnitSystem& system, std::span<const std::size_t> selection,
                   std::string documentTitle, std::string printedAt) {
    Report report{std::move(documentTitle), std::move(printedAt), {}};
    report.units.reserve(selection.size());
    for (const std::size_t position : selection) {
        if (position < system.unitCount()) {
            report.units.push_back(buildUnitReport(system.family(), *system.units()[position]));
        }
    }
    return report;
}

std::vector<std::size_t> allUnits(const UnitSystem& system) {
    std::vector<std::size_t> positions(system.unitCount());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        positions[i] = i;
    }
    return positions;
}

PageLayout layoutReportPage(const Report& report, int page, const PageGeometry& geometry) {
    PageLayout layout;
    const auto ref = reportPage(page, report.pageCount());
    if (!ref) {
        return layout;
    }
    const UnitReport& unit = report.units[ref->unit];
    addTitle(layout, unit, geometry);
    if (ref->graphPage) {
        addResponseGraph(layout, unit, geometry);
    } else if (const auto* processor = std::get_if<ProcessorReportText>(&unit.tables)) {
        addProcessorTables(layout, *processor, geometry);
    } else if (const auto* amp = std::get_if<AmpReportText>(&unit.tables)) {
        addAmpTables(layout, *amp, geometry);
    }
    addFooter(layout, report, page, geometry);
    return layout;
}

} // namespace kelo::report
