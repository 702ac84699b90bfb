#include "scales/BiquadSection.h"

#include <cmath>

namespace kelo {

void evaluateSections(Curve& curve, const BiquadSection& sectionA, const BiquadSection& sectionB) {
    const GridTrigonometry& trig = gridTrigonometry();
    const bool identityA = sectionA.isIdentity();
    const bool identityB = sectionB.isIdentity();
    if (identityA && identityB) {
        curve.fill(0.0);
        return;
    }
    // 10 log10|Ha|^2 + 10 log10|Hb|^2 taken as one logarithm of the product: the sections are far from
    // over- or underflowing a double (the deepest point reachable is about -500 dB).
    const BiquadSection& single = identityA ? sectionB : sectionA;
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        double power = sectionPower(single, trig, g);
        if (!identityA && !identityB) {
            power *= sectionPower(sectionB, trig, g);
        }
        curve[g] = 10.0 * std::log10(power);
    }
}

} // namespace kelo
