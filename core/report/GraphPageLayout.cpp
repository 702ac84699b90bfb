#include "core/report/PageParts.h"
#include "core/report/PlotArea.h"

#include <array>
#include <string>
#include <vector>

namespace kelo::report {

namespace {

/// Octave lines from 15.625 Hz (grid point 12) to 16 kHz (grid point 212), 20 grid points apart.
constexpr std::size_t kFirstOctavePoint = 12;
constexpr std::size_t kOctaveStep = 20;
constexpr std::array<const char*, 11> kOctaveLabels{"15.6", "31", "62.5", "125", "250", "500",
                                                    "1k",   "2k", "4k",   "8k",  "16k"};

void addGrid(PageLayout& page, const PlotArea& plot) {
    const int yTop = plot.y(15.0);
    const int yBottom = plot.y(-15.0);
    const int gridRight = plot.left + plot.width - 3;
    for (std::size_t k = 0; k < kOctaveLabels.size(); ++k) {
        const int x = plot.x(kFirstOctavePoint + k * kOctaveStep);
        page.lines.push_back(LineItem{x, yTop, x, yBottom, LinePen::Graph});
        if (k + 1 < kOctaveLabels.size()) {
            const int next = plot.x(kFirstOctavePoint + (k + 1) * kOctaveStep);
            for (const int third : {1, 2}) {
                const int xt = x + third * (next - x) / 3;
                page.lines.push_back(LineItem{xt, yTop, xt, yBottom, LinePen::Graph});
            }
        }
    }
    page.lines.push_back(LineItem{gridRight, yTop, gridRight, yBottom, LinePen::Graph});
    // Every 3 dB from +15 dB to -15 dB; the 0 dB line is the thick one.
    for (int k = 2; k <= 12; ++k) {
        const int y = plot.top + k * 3 * (plot.height - 1) / 42;
        const LinePen pen = k == 7 ? LinePen::ZeroDb : LinePen::Graph;
        page.lines.push_back(LineItem{plot.left, y, gridRight, y, pen});
    }
}

void addFrame(PageLayout& page, const PageRect& rect) {
    const int r = rect.right() - 1;
    const int b = rect.bottom() - 1;
    page.lines.push_back(LineItem{rect.x, rect.y, r, rect.y, LinePen::Graph});
    page.lines.push_back(LineItem{r, rect.y, r, b, LinePen::Graph});
    page.lines.push_back(LineItem{r, b, rect.x, b, LinePen::Graph});
    page.lines.push_back(LineItem{rect.x, b, rect.x, rect.y, LinePen::Graph});
}

std::vector<std::string> legendLines(const UnitReport& unit) {
    std::vector<std::string> lines;
    if (unit.isAmp()) {
        if (unit.switches.outputEq) {
            lines.emplace_back("INCLUDE EQ");
        }
        if (unit.switches.outputGains) {
            lines.emplace_back("INCLUDE GAINS");
        }
        return lines;
    }
    if (unit.switches.inputEq) {
        lines.emplace_back("INCLUDE INPUT EQ");
    }
    if (unit.switches.outputGains) {
        lines.emplace_back("INCLUDE OUTPUT GAINS");
    }
    if (unit.switches.outputEq) {
        lines.emplace_back("INCLUDE OUTPUT EQ");
    }
    return lines;
}

} // namespace

void addResponseGraph(PageLayout& page, const UnitReport& unit, const PageGeometry& geometry) {
    const int w = geometry.width;
    const int h = geometry.height;
    const int lineHeight = h / 56;
    // The graph's rectangle, inset by one pixel.
    const PageRect graph{1, h / 11 + 1, w - 2, h / 3 - 2};
    const PlotArea plot{graph.x + w / 11, graph.y, graph.width - w / 10, graph.height};

    addFrame(page, graph);
    addGrid(page, plot);

    const int labelRight = plot.left - w / 100;
    for (const auto& [db, text] :
         {std::pair{15.0, "+15dB"}, std::pair{0.0, "0dB"}, std::pair{-15.0, "-15dB"}}) {
        const int y = plot.y(db);
        page.texts.push_back(TextItem{PageRect{graph.x, y - lineHeight / 2, labelRight - graph.x, lineHeight},
                                      text, TextAlign::Right, TextFont::GraphLabel});
    }
    // Frequency labels under the plot, centred on their octave lines.
    const int labelWidth = w / 12;
    for (std::size_t k = 0; k < kOctaveLabels.size(); ++k) {
        const int x = plot.x(kFirstOctavePoint + k * kOctaveStep);
        page.texts.push_back(TextItem{PageRect{x - labelWidth / 2, graph.bottom(), labelWidth, lineHeight},
                                      kOctaveLabels[k], TextAlign::Center, TextFont::GraphLabel});
    }

    for (const Curve& curve : unit.curves) {
        page.paths.push_back(PathItem{curvePenSteps(curve, plot), graph});
    }

    // The legend goes below the graph and its frequency labels, one line per switch that is set.
    int y = graph.bottom() + 2 * lineHeight;
    for (const std::string& line : legendLines(unit)) {
        page.texts.push_back(
            TextItem{PageRect{plot.left, y, w / 2, lineHeight}, line, TextAlign::Left, TextFont::Legend});
        y += lineHeight;
    }
}

} // namespace kelo::report
