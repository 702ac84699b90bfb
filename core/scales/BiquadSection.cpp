#include "scales/BiquadSection.h"

#include <cmath>

namespace kelo {

namespace {

// 10 log10(x) = 10 log10(2) * log2(x); log2 is much cheaper than log10 in common C libraries.
constexpr double kDbPerOctaveOfPower = 3.0102999566398119521;

} // namespace

void PowerAccumulator::reset() {
    m_numerator.fill(1.0);
    m_denominator.fill(1.0);
}

void PowerAccumulator::multiply(const BiquadSection& s) {
    if (s.isIdentity()) {
        return;
    }
    const GridTrigonometry& t = gridTrigonometry();
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        m_numerator[g] *= numeratorPower(s, t, g);
        m_denominator[g] *= denominatorPower(s, t, g);
    }
}

void PowerAccumulator::multiply(const PowerAccumulator& other) {
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        m_numerator[g] *= other.m_numerator[g];
        m_denominator[g] *= other.m_denominator[g];
    }
}

void PowerAccumulator::writeDb(Curve& curve, double offsetDb) const {
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        curve[g] = kDbPerOctaveOfPower * std::log2(m_numerator[g] / m_denominator[g]) + offsetDb;
    }
}

void evaluateSections(Curve& curve, const BiquadSection& sectionA, const BiquadSection& sectionB) {
    const bool identityA = sectionA.isIdentity();
    const bool identityB = sectionB.isIdentity();
    if (identityA && identityB) {
        curve.fill(0.0);
        return;
    }
    // A single pass per point: this runs for every curve of a channel on each handle move.
    const GridTrigonometry& t = gridTrigonometry();
    const BiquadSection& first = identityA ? sectionB : sectionA;
    const bool cascade = !identityA && !identityB;
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        double power = sectionPower(first, t, g);
        if (cascade) {
            power *= sectionPower(sectionB, t, g);
        }
        curve[g] = kDbPerOctaveOfPower * std::log2(power);
    }
}

} // namespace kelo
