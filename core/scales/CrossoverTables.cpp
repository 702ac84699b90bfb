#include "core/scales/CrossoverTables.h"

#include "core/scales/FrequencyScale.h"

#include <cmath>
#include <numbers>

namespace kelo {

namespace {

struct PolePair {
    double a1;
    double a2;
    double d;
    double kw;
};

PolePair polePair(double w, double k, double q) {
    const double kw = k * w;
    const double d = 1 + kw / q + kw * kw;
    return {2 * (kw * kw - 1) / d, (1 - kw / q + kw * kw) / d, d, kw};
}

double firstOrderPole(double w, double k) {
    return (k * w - 1) / (k * w + 1);
}

float single(double value) {
    return static_cast<float>(value);
}

// Writes b0, b1, a1 of a first-order section with its numerator.
template <std::size_t N>
std::size_t putFirstOrder(std::array<float, N>& record, std::size_t at, double w, double k, bool lowPass) {
    const double kw = k * w;
    const double b0 = lowPass ? kw / (1 + kw) : 1 / (1 + kw);
    record[at] = single(b0);
    record[at + 1] = single(lowPass ? b0 : -b0);
    record[at + 2] = single(firstOrderPole(w, k));
    return at + 3;
}

// Writes b0, b1, b2, a1, a2 of a pole pair with its numerator.
template <std::size_t N>
std::size_t putPair(std::array<float, N>& record, std::size_t at, double w, double k, double q,
                    bool lowPass) {
    const PolePair p = polePair(w, k, q);
    const double b0 = lowPass ? p.kw * p.kw / p.d : 1 / p.d;
    record[at] = single(b0);
    record[at + 1] = single(lowPass ? 2 * b0 : -2 * b0);
    record[at + 2] = single(b0);
    record[at + 3] = single(p.a1);
    record[at + 4] = single(p.a2);
    return at + 5;
}

CrossoverTables buildTables() {
    CrossoverTables t{};
    for (std::size_t i = 0; i < kCrossoverTableSize; ++i) {
        const double w = std::tan(std::numbers::pi * FrequencyScale.value(static_cast<int>(i)) / 48000);

        t.firstOrder[i] = single(firstOrderPole(w, 1));

        const PolePair b2 = polePair(w, 1, 0.70711);
        t.butterworth2[i] = {single(b2.a1), single(b2.a2)};

        const PolePair b3 = polePair(w, 1, 1.0);
        t.butterworth3[i] = {single(firstOrderPole(w, 1)), single(b3.a1), single(b3.a2)};

        const PolePair b4a = polePair(w, 1, 0.54120);
        const PolePair b4b = polePair(w, 1, 1.30656);
        t.butterworth4[i] = {single(b4a.a1), single(b4a.a2), single(b4b.a1), single(b4b.a2)};

        const PolePair be2 = polePair(w, 1, 0.57735);
        t.bessel2[i] = {single(be2.a1), single(be2.a2)};

        std::size_t at = putFirstOrder(t.bessel3[i], 0, w, 0.94160, true);
        at = putPair(t.bessel3[i], at, w, 1.03054, 0.69105, true);
        at = putFirstOrder(t.bessel3[i], at, w, 1.06202, false);
        putPair(t.bessel3[i], at, w, 0.97036, 0.69105, false);

        at = putPair(t.bessel4[i], 0, w, 0.94445, 0.52193, true);
        at = putPair(t.bessel4[i], at, w, 1.05882, 0.80554, true);
        at = putPair(t.bessel4[i], at, w, 1.05882, 0.52193, false);
        putPair(t.bessel4[i], at, w, 0.94445, 0.80554, false);
    }
    return t;
}

} // namespace

const CrossoverTables& crossoverTables() {
    static const CrossoverTables tables = buildTables();
    return tables;
}

} // namespace kelo
