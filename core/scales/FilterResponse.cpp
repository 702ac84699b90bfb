#include "core/scales/FilterResponse.h"

#include "core/scales/CrossoverTables.h"
#include "core/scales/ScaleFormat.h"

#include <cmath>

namespace kelo {

namespace {

// The band design uses this value of pi, as the units' software does.
constexpr double kBandPi = 3.1415926;
// A notch is a peaking section of this depth [dB].
constexpr double kNotchGainDb = -100.0;
// Quality correction of the notch, which skips the band-edge adjustment.
constexpr double kNotchQualityFactor = 1.0023772929076;

// Numerators of the all-pole tables are formed here, so that each section has exactly unity gain at
// 0 Hz (low-pass) or at 24 kHz (high-pass).
BiquadSection allPolePair(double a1, double a2, bool lowPass) {
    const double b0 = lowPass ? (1 + a1 + a2) / 4 : (1 - a1 + a2) / 4;
    return {b0, lowPass ? 2 * b0 : -2 * b0, b0, a1, a2};
}

BiquadSection allPoleFirstOrder(double a1, bool lowPass) {
    const double b0 = lowPass ? (1 + a1) / 2 : (1 - a1) / 2;
    return {b0, lowPass ? b0 : -b0, 0.0, a1, 0.0};
}

template <std::size_t N> BiquadSection storedFirstOrder(const std::array<float, N>& record, std::size_t at) {
    return {record[at], record[at + 1], 0.0, record[at + 2], 0.0};
}

template <std::size_t N> BiquadSection storedPair(const std::array<float, N>& record, std::size_t at) {
    return {record[at], record[at + 1], record[at + 2], record[at + 3], record[at + 4]};
}

// The borrowed Butterworth pairs of a "Link-Riley 48dB" filter are formed in single precision, as the
// unit forms them; at low frequencies 1 + a1 + a2 is tiny and the rounding shows in the curve.
BiquadSection borrowedPair(const std::array<float, 4>& record, std::size_t at, bool lowPass) {
    const float a1 = record[at];
    const float a2 = record[at + 1];
    const float b0 = lowPass ? (1.0f + a1 + a2) / 4.0f : (1.0f - a1 + a2) / 4.0f;
    const float b1 = lowPass ? 2.0f * b0 : -2.0f * b0;
    return {b0, b1, b0, a1, a2};
}

BiquadSection shelfOrPeak(std::int64_t type, int freqIndex, int gainIndex, int bandwidthIndex, bool flat) {
    double gainDb = (gainIndex - 30) * 0.5;
    if (type == 9) {
        gainDb = kNotchGainDb;
    }
    if (flat) {
        gainDb = 0.0;
    }
    const double fc = 15.625 * std::pow(2.0, freqIndex / 20.0);
    const double bandwidthOct = (bandwidthIndex + 1) * 0.05;
    const double a = std::pow(10.0, gainDb / 20);
    const double w = std::tan(kBandPi * fc / 48000);
    const double sqrt2 = std::sqrt(2.0);
    // The units scale every band numerator by 1/4 above 32 Hz for headroom and undo it after the
    // filter; dividing by 4 and multiplying the power by 16 cancel exactly in binary, so it is left out.

    switch (type) {
    case 0: // LowSh6
        if (a >= 1) {
            return {(a * w + 1) / (w + 1), (a * w - 1) / (w + 1), 0.0, (w - 1) / (w + 1), 0.0};
        }
        return {(a * w + a) / (w + a), (a * w - a) / (w + a), 0.0, (w - a) / (w + a), 0.0};
    case 4: // HiSh6
        if (a >= 1) {
            return {(w + a) / (w + 1), (w - a) / (w + 1), 0.0, (w - 1) / (w + 1), 0.0};
        }
        return {(a * w + a) / (a * w + 1), (a * w - a) / (a * w + 1), 0.0, (a * w - 1) / (a * w + 1), 0.0};
    case 1: // LowSh12
    case 3: // HiSh12
    {
        const double w2 = w * w;
        if (a >= 1) {
            const double e = 1 + sqrt2 * w + w2;
            const double s2a = std::sqrt(2 * a) * w;
            const double a1 = 2 * (w2 - 1) / e;
            const double a2 = (1 - sqrt2 * w + w2) / e;
            if (type == 1) {
                return {(1 + s2a + a * w2) / e, 2 * (a * w2 - 1) / e, (1 - s2a + a * w2) / e, a1, a2};
            }
            return {(a + s2a + w2) / e, 2 * (w2 - a) / e, (a - s2a + w2) / e, a1, a2};
        }
        const double v = 1 / a;
        if (type == 1) {
            const double f = 1 + std::sqrt(2 * v) * w + v * w2;
            return {(1 + sqrt2 * w + w2) / f, 2 * (w2 - 1) / f, (1 - sqrt2 * w + w2) / f,
                    2 * (v * w2 - 1) / f, (1 - std::sqrt(2 * v) * w + v * w2) / f};
        }
        const double g = v + std::sqrt(2 * v) * w + w2;
        const double h = 1 + std::sqrt(2 / v) * w + w2 / v;
        return {(1 + sqrt2 * w + w2) / g, 2 * (w2 - 1) / g, (1 - sqrt2 * w + w2) / g, 2 * (w2 / v - 1) / h,
                (1 - std::sqrt(2 / v) * w + w2 / v) / h};
    }
    default: // 2 Peaking, 9 Notch
    {
        const double omegaC = 96000 * std::tan(kBandPi * fc / 48000);
        const double omegaL = 96000 * std::tan(kBandPi * fc * std::pow(2.0, -bandwidthOct / 2) / 48000);
        const double q = omegaC * omegaL / (omegaC * omegaC - omegaL * omegaL);
        double r = 1.0;
        if (type == 9 && !flat) {
            r = kNotchQualityFactor;
        } else if (gainDb != 0.0) {
            double gb2 = a; // band-edge gain squared for |g| < 6 dB
            if (gainDb >= 6) {
                gb2 = a * a / 2;
            } else if (gainDb <= -6) {
                gb2 = 2 * a * a;
            }
            r = std::sqrt((a * a - gb2) / (gb2 - 1));
        }
        const double qe = q * r;
        const double wc = 2 * w;
        const double p = (wc * wc + 4) * qe;
        const double den = p + 2 * wc;
        const double b1 = 2 * qe * (wc * wc - 4) / den;
        return {(p + 2 * wc * a) / den, b1, (p - 2 * wc * a) / den, b1, (p - 2 * wc) / den};
    }
    }
}

} // namespace

SectionPair crossoverSections(bool lowPass, std::int64_t type, std::int64_t freqIndex) {
    const CrossoverTables& t = crossoverTables();
    const auto i = static_cast<std::size_t>(clampIndex(freqIndex, 200));
    const std::size_t half = lowPass ? 0 : 1;
    switch (type) {
    case 1: // Butter 6dB
        return {allPoleFirstOrder(t.firstOrder[i], lowPass), {}};
    case 2: // Butter 12dB
        return {allPolePair(t.butterworth2[i][0], t.butterworth2[i][1], lowPass), {}};
    case 3: // Bessel 12dB
        return {allPolePair(t.bessel2[i][0], t.bessel2[i][1], lowPass), {}};
    case 4: { // Link-Riley 12dB
        const BiquadSection s = allPoleFirstOrder(t.firstOrder[i], lowPass);
        return {s, s};
    }
    case 5: // Butter 18dB
        return {allPoleFirstOrder(t.butterworth3[i][0], lowPass),
                allPolePair(t.butterworth3[i][1], t.butterworth3[i][2], lowPass)};
    case 6: // Bessel 18dB
        return {storedFirstOrder(t.bessel3[i], half * 8), storedPair(t.bessel3[i], half * 8 + 3)};
    case 7: // Butter 24dB
        return {allPolePair(t.butterworth4[i][0], t.butterworth4[i][1], lowPass),
                allPolePair(t.butterworth4[i][2], t.butterworth4[i][3], lowPass)};
    case 8: // Bessel 24dB
        return {storedPair(t.bessel4[i], half * 10), storedPair(t.bessel4[i], half * 10 + 5)};
    case 9: { // Link-Riley 24dB
        const BiquadSection s = allPolePair(t.butterworth2[i][0], t.butterworth2[i][1], lowPass);
        return {s, s};
    }
    default: // 0 Thru, and anything the system never stores
        return {};
    }
}

BiquadSection bandSection(std::int64_t type, std::int64_t freqIndex, std::int64_t gainIndex,
                          std::int64_t bandwidthIndex, std::int64_t flat) {
    const int freq = clampIndex(freqIndex, 200);
    switch (type) {
    case 5:
    case 6:
    case 7:
    case 8: {
        const auto& record = crossoverTables().butterworth4[static_cast<std::size_t>(freq)];
        const std::size_t pair = (type == 5 || type == 7) ? 0 : 2;
        return borrowedPair(record, pair, type <= 6);
    }
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 9:
        return shelfOrPeak(type, freq, clampIndex(gainIndex, 60), clampIndex(bandwidthIndex, 59), flat != 0);
    default:
        return {};
    }
}

void ComputeLowPass(Curve& curve, std::int64_t type, std::int64_t freqIndex) {
    const SectionPair sections = crossoverSections(true, type, freqIndex);
    EvaluateSections(curve, sections.a, sections.b);
}

void ComputeHighPass(Curve& curve, std::int64_t type, std::int64_t freqIndex) {
    const SectionPair sections = crossoverSections(false, type, freqIndex);
    EvaluateSections(curve, sections.a, sections.b);
}

void ComputeBand(Curve& curve, std::int64_t type, std::int64_t freqIndex, std::int64_t gainIndex,
                 std::int64_t bandwidthIndex, std::int64_t flat) {
    EvaluateSections(curve, bandSection(type, freqIndex, gainIndex, bandwidthIndex, flat), {});
}

} // namespace kelo
