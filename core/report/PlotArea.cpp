#include "core/report/PlotArea.h"

#include <algorithm>
#include <cmath>

namespace kelo::report {

int PlotArea::x(std::size_t g) const {
    return left + static_cast<int>(static_cast<long long>(width) * static_cast<long long>(g) /
                                   static_cast<long long>(kResponsePointCount));
}

int PlotArea::y(double db) const {
    const double span = kTopDb - kBottomDb;
    const double offset = std::floor((kTopDb - db) * (height - 1) / span);
    const double limit = 2.0 * std::max(height, 1);
    return top + static_cast<int>(std::clamp(offset, -limit, limit));
}

std::vector<PenStep> curvePenSteps(const Curve& curve, const PlotArea& plot) {
    std::vector<PenStep> steps;
    steps.reserve(curve.size());
    for (std::size_t g = 0; g < curve.size(); ++g) {
        // "Not below" is written so that NaN counts as below and is never drawn to.
        const bool visible = curve[g] >= PlotArea::kBottomDb;
        steps.push_back(PenStep{plot.x(g), visible ? plot.y(curve[g]) : plot.bottom(), g > 0 && visible});
    }
    return steps;
}

} // namespace kelo::report
