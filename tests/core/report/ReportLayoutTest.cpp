#include "core/report/PlotArea.h"
#include "core/report/Report.h"
#include "core/report/ReportDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace kelo;
using namespace kelo::report;

namespace {

UnitSystem threeUnitSystem(Family family) {
    UnitSystem system(family);
    for (std::uint32_t i = 0; i < 3; ++i) {
        if (family == Family::TzAmp) {
            AmpUnit unit = makeAmpUnit();
            unit.live.busId() = i;
            system.appendLoadedUnit(Unit(std::move(unit)));
        } else {
            ProcessorUnit unit;
            unit.live.busId() = 10 + i;
            system.appendLoadedUnit(Unit(std::move(unit)));
        }
    }
    return system;
}

const TextItem* findText(const PageLayout& page, const std::string& text) {
    const auto found = std::find_if(page.texts.begin(), page.texts.end(),
                                    [&](const TextItem& item) { return item.text == text; });
    return found == page.texts.end() ? nullptr : &*found;
}

constexpr PageGeometry kA4{4488, 6545};

} // namespace

TEST(ReportPages, TwoPagesPerUnit) {
    EXPECT_EQ(reportPageCount(0), 0);
    EXPECT_EQ(reportPageCount(3), 6);
    EXPECT_EQ(reportPage(5, 6), (ReportPageRef{2, false}));
    EXPECT_EQ(reportPage(4, 6), (ReportPageRef{1, true}));
    EXPECT_EQ(reportPage(1, 6), (ReportPageRef{0, false}));
    EXPECT_FALSE(reportPage(0, 6));
    EXPECT_FALSE(reportPage(7, 6));
    EXPECT_FALSE(reportPage(1, 0));
}

TEST(ReportPages, SelectionKeepsItsOrderAndSkipsPositionsOutsideTheList) {
    const UnitSystem system = threeUnitSystem(Family::Tz48);
    const std::vector<std::size_t> selection{2, 7, 0};
    const Report report = buildReport(system, selection, "show.kle", "now");
    ASSERT_EQ(report.units.size(), 2U);
    EXPECT_NE(report.units[0].title.find("ID:13"), std::string::npos);
    EXPECT_NE(report.units[1].title.find("ID:11"), std::string::npos);
    EXPECT_TRUE(layoutReportPage(report, 5, kA4).texts.empty());
}

TEST(ReportLayout, FirstPageTablesFooterAndTitle) {
    const UnitSystem system = threeUnitSystem(Family::Tz48);
    const Report report =
        buildReport(system, allUnits(system), "show.kle", "14:05 - Tuesday, December 08, 2026");
    const PageLayout page = layoutReportPage(report, 3, kA4);
    const int w = kA4.width;
    const int h = kA4.height;
    const int r = h / 10;
    const int g = h / 67;
    const int t = h / 33;

    const TextItem* pageNumber = findText(page, "Page 3 of 6");
    ASSERT_NE(pageNumber, nullptr);
    EXPECT_EQ(pageNumber->rect.x, w - w / 11);
    const int footerY = h - h / 33;
    EXPECT_EQ(pageNumber->rect.y + pageNumber->rect.height / 2, footerY);
    EXPECT_EQ(findText(page, "14:05 - Tuesday, December 08, 2026")->rect.x, w / 4);
    EXPECT_TRUE(std::any_of(page.lines.begin(), page.lines.end(), [&](const LineItem& line) {
        return line.pen == LinePen::Rule && line.y1 == footerY + h / 84 && line.x1 == 0 && line.x2 == w;
    }));
    EXPECT_EQ(findText(page, "*A135B246*")->align, TextAlign::Right);
    ASSERT_NE(findText(page, "Tz48 < ID:12 >  -  Preset: 01F."), nullptr);

    // Input A at (0, T), its gate at 10W/12; the input sum and the first and last outputs below them.
    EXPECT_EQ(findText(page, "Input A")->rect.y, t);
    EXPECT_EQ(findText(page, "Noise Gate A")->rect.x, 10 * w / 12);
    EXPECT_EQ(findText(page, "Input B")->rect.y, t + 6 * r / 7 + g);
    EXPECT_EQ(findText(page, "Input Sum")->rect.y, t + 12 * r / 7 + 2 * g);
    EXPECT_EQ(findText(page, "Output 1")->rect.y, t + 13 * r / 7 + 3 * g);
    EXPECT_EQ(findText(page, "Output 6")->rect.y, t + 13 * r / 7 + 3 * g + 5 * (g + r));
    // "Gain:" of input A spans 1.5 to 2 columns of the 8W/10 wide table; its value is left-aligned.
    const int column = (8 * w / 10) / 6;
    const auto gain = std::find_if(page.texts.begin(), page.texts.end(), [&](const TextItem& item) {
        return item.text == "Gain:" && item.rect.y == t;
    });
    ASSERT_NE(gain, page.texts.end());
    EXPECT_EQ(gain->rect.x, 6 * column / 4);
    EXPECT_EQ(std::next(gain)->align, TextAlign::Left);
    EXPECT_EQ(std::count_if(page.texts.begin(), page.texts.end(),
                            [](const TextItem& item) { return item.text == "Comp/Limit:"; }),
              6);
}

TEST(ReportLayout, GraphPageDrawsCurvesAndPutsTheLegendBelowTheGraph) {
    UnitSystem system = threeUnitSystem(Family::Tz48);
    system.units()[0]->processor()->graphSwitches = {1, 0, 1};
    const Report report = buildReport(system, allUnits(system), "show.kle", "now");
    const PageLayout page = layoutReportPage(report, 2, kA4);
    EXPECT_EQ(page.paths.size(), 6U);
    EXPECT_EQ(std::count_if(page.lines.begin(), page.lines.end(),
                            [](const LineItem& line) { return line.pen == LinePen::ZeroDb; }),
              1);
    const TextItem* input = findText(page, "INCLUDE INPUT EQ");
    const TextItem* output = findText(page, "INCLUDE OUTPUT EQ");
    ASSERT_NE(input, nullptr);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(findText(page, "INCLUDE OUTPUT GAINS"), nullptr);
    EXPECT_EQ(output->rect.y - input->rect.y, kA4.height / 56);
    // Clear of the plot: the graph ends at H/11 + H/3.
    EXPECT_GT(input->rect.y, kA4.height / 11 + kA4.height / 3);
    for (const char* label : {"+15dB", "0dB", "-15dB", "15.6", "1k", "16k"}) {
        EXPECT_NE(findText(page, label), nullptr) << label;
    }

    const Report amp =
        buildReport(threeUnitSystem(Family::TzAmp), std::vector<std::size_t>{1}, "amp.kle", "now");
    const PageLayout ampGraph = layoutReportPage(amp, 2, kA4);
    EXPECT_EQ(ampGraph.paths.size(), 2U);
    EXPECT_NE(findText(ampGraph, "INCLUDE EQ"), nullptr);
    EXPECT_NE(findText(ampGraph, "INCLUDE GAINS"), nullptr);
    const PageLayout ampTables = layoutReportPage(amp, 1, kA4);
    for (const char* caption :
         {"Channel B", "Hum Cancel A", "Noise Gate B", "Multi Comp B", "Rel-High", "EQ 10"}) {
        EXPECT_NE(findText(ampTables, caption), nullptr) << caption;
    }
}

TEST(PlotArea, ACurveBelowTheBottomIsNotDrawnButRestartsFromTheBottomEdge) {
    const PlotArea plot{40, 10, 440, 169};
    EXPECT_EQ(plot.x(132), 40 + 264);
    EXPECT_EQ(plot.y(0.0), 10 + 84);
    EXPECT_EQ(plot.y(15.0), 10 + 24);
    EXPECT_EQ(plot.bottom(), 10 + 168);

    Curve curve;
    curve.fill(0.0);
    curve[0] = -40.0;
    for (std::size_t g = 100; g < 104; ++g) {
        curve[g] = -30.0;
    }
    curve[104] = -21.0;
    curve[150] = std::numeric_limits<double>::quiet_NaN();
    curve[151] = -std::numeric_limits<double>::infinity();
    const std::vector<PenStep> steps = curvePenSteps(curve, plot);
    ASSERT_EQ(steps.size(), curve.size());
    EXPECT_EQ(steps[0], (PenStep{plot.x(0), plot.bottom(), false}));
    EXPECT_EQ(steps[1], (PenStep{plot.x(1), plot.y(0.0), true}));
    EXPECT_EQ(steps[99], (PenStep{plot.x(99), plot.y(0.0), true}));
    for (std::size_t g = 100; g < 104; ++g) {
        EXPECT_EQ(steps[g], (PenStep{plot.x(g), plot.bottom(), false})) << g;
    }
    EXPECT_EQ(steps[104], (PenStep{plot.x(104), plot.bottom(), true})); // exactly -21 dB is drawn
    EXPECT_FALSE(steps[150].draw);
    EXPECT_FALSE(steps[151].draw);
    EXPECT_EQ(steps[152], (PenStep{plot.x(152), plot.y(0.0), true}));
    // A level far above the plot stays within reach of it instead of overflowing.
    EXPECT_GT(plot.y(1e300), 10 - 2 * 169 - 1);
}

TEST(ReportDate, EnglishNamesWhateverTheLocale) {
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_wday = 2;
    time.tm_hour = 9;
    time.tm_min = 5;
    EXPECT_EQ(reportDateText(time), "09:05 - Tuesday, December 08, 2026");
}
