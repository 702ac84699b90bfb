#include "core/scales/ResponseGrid.h"

#include <cmath>

namespace kelo {

const std::array<double, kResponsePointCount>& responseFrequencyGrid() {
    static const std::array<double, kResponsePointCount> grid = [] {
        std::array<double, kResponsePointCount> points{};
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            const double hz = 1000 * std::pow(2.0, (static_cast<double>(g) - 132) / 20);
            points[g] = std::round(hz * 1000) / 1000;
        }
        return points;
    }();
    return grid;
}

const GridTrigonometry& gridTrigonometry() {
    static const GridTrigonometry trig = [] {
        GridTrigonometry t{};
        const auto& grid = responseFrequencyGrid();
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            const double w = grid[g] * 6.2831852 / kSampleRate;
            t.cos1[g] = std::cos(w);
            t.sin1[g] = std::sin(w);
            t.cos2[g] = std::cos(2 * w);
            t.sin2[g] = std::sin(2 * w);
        }
        return t;
    }();
    return trig;
}

} // namespace kelo
