#include "core/scales/BiquadSection.h"

#include <cmath>

namespace kelo {

namespace {

// 10 log10(x) = 10 log10(2) * log2(x); log2 is much cheaper than log10 in common C libraries.
constexpr double kDbPerOctaveOfPower = 3.0102999566398119521;

using PointArray = std::array<double, kResponsePointCount>;

// Multiplies |N|^2 and |D|^2 of a section into num and den. The coefficients are copied first and the
// callers pass arrays of their own, so the compiler sees no aliasing and vectorises the loop.
inline void multiplyPowers(PointArray& num, PointArray& den, const BiquadSection& s) {
    const GridTrigonometry& t = gridTrigonometry();
    const double b0 = s.b0;
    const double b1 = s.b1;
    const double b2 = s.b2;
    const double a1 = s.a1;
    const double a2 = s.a2;
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        const double nRe = b0 + b1 * t.cos1[g] + b2 * t.cos2[g];
        const double nIm = b1 * t.sin1[g] + b2 * t.sin2[g];
        const double dRe = 1.0 + a1 * t.cos1[g] + a2 * t.cos2[g];
        const double dIm = a1 * t.sin1[g] + a2 * t.sin2[g];
        num[g] *= nRe * nRe + nIm * nIm;
        den[g] *= dRe * dRe + dIm * dIm;
    }
}

void writePowerDb(Curve& curve, const PointArray& num, const PointArray& den, double offsetDb) {
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        curve[g] = kDbPerOctaveOfPower * std::log2(num[g] / den[g]) + offsetDb;
    }
}

} // namespace

void PowerAccumulator::reset() {
    m_numerator.fill(1.0);
    m_denominator.fill(1.0);
}

void PowerAccumulator::multiply(const BiquadSection& section) {
    if (section.isIdentity()) {
        return;
    }
    PointArray num;
    PointArray den;
    num.fill(1.0);
    den.fill(1.0);
    multiplyPowers(num, den, section);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        m_numerator[g] *= num[g];
        m_denominator[g] *= den[g];
    }
}

void PowerAccumulator::writeDb(Curve& curve, double offsetDb) const {
    writePowerDb(curve, m_numerator, m_denominator, offsetDb);
}

void EvaluateSections(Curve& curve, const BiquadSection& sectionA, const BiquadSection& sectionB) {
    const bool identityA = sectionA.isIdentity();
    const bool identityB = sectionB.isIdentity();
    if (identityA && identityB) {
        curve.fill(0.0);
        return;
    }
    PointArray num;
    PointArray den;
    num.fill(1.0);
    den.fill(1.0);
    if (!identityA) {
        multiplyPowers(num, den, sectionA);
    }
    if (sectionB == sectionA) {
        // Linkwitz-Riley filters cascade one section twice.
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            num[g] *= num[g];
            den[g] *= den[g];
        }
    } else if (!identityB) {
        multiplyPowers(num, den, sectionB);
    }
    writePowerDb(curve, num, den, 0.0);
}

} // namespace kelo
