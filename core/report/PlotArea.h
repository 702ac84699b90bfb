#pragma once

#include "core/report/PageLayout.h"
#include "core/scales/ResponseGrid.h"

#include <cstddef>
#include <vector>

namespace kelo::report {

/// The response plot of the graph page: +21 dB at the top, -21 dB at the bottom, grid point g of the
/// response curves at x(g).
struct PlotArea {
    static constexpr double kTopDb = 21.0;
    static constexpr double kBottomDb = -21.0;

    int left = 0;
    int top = 0;
    int width = 0;  ///< p
    int height = 0; ///< h

    /// x of grid point g: left + floor(p * g / 220).
    int x(std::size_t g) const;
    /// y of a level [dB]: top + floor((21 - L) * (h - 1) / 42). Levels far outside the plot are held
    /// a plot height beyond it, so no level overflows.
    int y(double db) const;
    /// y of -21 dB, the plot's bottom edge.
    int bottom() const { return top + height - 1; }
};

/// The pen movements that draw a curve: a move to the first point, then a line to every next point,
/// except that a point below the plot (below -21 dB, or not a number) is not drawn to: the pen moves to
/// the bottom edge at that point's x, and the next line starts from there.
std::vector<PenStep> curvePenSteps(const Curve& curve, const PlotArea& plot);

} // namespace kelo::report
