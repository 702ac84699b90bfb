#pragma once

#include "scales/ResponseGrid.h"

namespace kelo {

/// One digital biquad section H(z) = (b0 + b1 z^-1 + b2 z^-2) / (1 + a1 z^-1 + a2 z^-2). A first-order
/// section has b2 = a2 = 0; the default is the identity.
struct BiquadSection {
    double b0 = 1.0;
    double b1 = 0.0;
    double b2 = 0.0;
    double a1 = 0.0;
    double a2 = 0.0;

    bool isIdentity() const { return b0 == 1.0 && b1 == 0.0 && b2 == 0.0 && a1 == 0.0 && a2 == 0.0; }
};

/// |H|^2 of a section at grid point g.
inline double sectionPower(const BiquadSection& s, const GridTrigonometry& t, std::size_t g) {
    const double nRe = s.b0 + s.b1 * t.cos1[g] + s.b2 * t.cos2[g];
    const double nIm = s.b1 * t.sin1[g] + s.b2 * t.sin2[g];
    const double dRe = 1.0 + s.a1 * t.cos1[g] + s.a2 * t.cos2[g];
    const double dIm = s.a1 * t.sin1[g] + s.a2 * t.sin2[g];
    return (nRe * nRe + nIm * nIm) / (dRe * dRe + dIm * dIm);
}

/// Writes the magnitude [dB] of two cascaded sections at every grid point into curve. Identity sections
/// cost nothing; two of them give 0 dB everywhere. A zero magnitude gives -inf dB.
void evaluateSections(Curve& curve, const BiquadSection& sectionA, const BiquadSection& sectionB);

} // namespace kelo
