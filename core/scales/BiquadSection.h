#pragma once

#include "core/scales/ResponseGrid.h"

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

    friend bool operator==(const BiquadSection&, const BiquadSection&) = default;
};

/// Accumulates the squared magnitude of a cascade of sections at every grid point, as separate
/// numerator and denominator products so that each point costs one division and one logarithm however
/// many sections it has. The cascades of this system stay far inside the range of a double (the deepest
/// reachable point is about -500 dB, the highest about +150 dB).
class PowerAccumulator {
public:
    PowerAccumulator() { reset(); }

    /// Back to the empty cascade (0 dB).
    void reset();
    /// Adds a section to the cascade; the identity costs nothing.
    void multiply(const BiquadSection& section);
    /// Writes 10 log10 of the cascade's |H|^2 plus offsetDb into curve; a zero magnitude gives -inf.
    void writeDb(Curve& curve, double offsetDb = 0.0) const;

private:
    std::array<double, kResponsePointCount> m_numerator;
    std::array<double, kResponsePointCount> m_denominator;
};

/// Writes the magnitude [dB] of two cascaded sections at every grid point into curve.
void EvaluateSections(Curve& curve, const BiquadSection& sectionA, const BiquadSection& sectionB);

} // namespace kelo
