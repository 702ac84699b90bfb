// Dragging a band handle on an output's response graph (490 x 169): the time from the mouse-move event
// to the finished offscreen repaint, against a repaint whose curves are recomputed with the
// straightforward loop (own trigonometry and logarithm per section and point).

#include "core/scales/ChannelResponse.h"
#include "core/scales/FilterResponse.h"
#include "gui/controls/CResponseGraph.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using namespace kelo;
using Clock = std::chrono::steady_clock;

constexpr CrossoverSection kCrossover{9, 150, 0, 8, 50};
constexpr std::array<EqBand, 5> kBands{EqBand{2, 60, 12, 36, 0}, EqBand{2, 85, 12, 25, 0},
                                       EqBand{2, 110, 12, 38, 0}, EqBand{2, 135, 12, 27, 0},
                                       EqBand{4, 160, 12, 34, 0}};

void naiveCurve(Curve& curve, const BiquadSection& a, const BiquadSection& b) {
    const auto& grid = responseFrequencyGrid();
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        const double w = grid[g] * 6.2831852 / 48000;
        double db = 0.0;
        for (const BiquadSection* s : {&a, &b}) {
            const double nRe = s->b0 + s->b1 * std::cos(w) + s->b2 * std::cos(2 * w);
            const double nIm = s->b1 * std::sin(w) + s->b2 * std::sin(2 * w);
            const double dRe = 1 + s->a1 * std::cos(w) + s->a2 * std::cos(2 * w);
            const double dIm = s->a1 * std::sin(w) + s->a2 * std::sin(2 * w);
            db += 10 * std::log10((nRe * nRe + nIm * nIm) / (dRe * dRe + dIm * dIm));
        }
        curve[g] = db;
    }
}

// Every curve of the channel (two filters, five bands) evaluated on its own, then summed.
Curve naiveChannel(const std::array<EqBand, 5>& bands) {
    Curve total{};
    Curve curve{};
    const auto add = [&] {
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            total[g] += curve[g];
        }
    };
    for (const bool lowPass : {true, false}) {
        const SectionPair pair =
            crossoverSections(lowPass, lowPass ? kCrossover.lowPassType : kCrossover.highPassType,
                              lowPass ? kCrossover.lowPassFrequency : kCrossover.highPassFrequency);
        naiveCurve(curve, pair.a, pair.b);
        add();
    }
    for (const EqBand& band : bands) {
        naiveCurve(curve, bandSection(band.type, band.frequency, band.gain, band.bandwidth, band.flat), {});
        add();
    }
    return total;
}

void report(benchmark::State& state, std::vector<double>& samples) {
    if (samples.empty()) {
        return;
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void BM_GraphDragRepaint(benchmark::State& state) {
    gui::CResponseGraph graph;
    graph.resize(490, 169);
    graph.setChannel(kCrossover, kBands);
    QImage target(graph.size(), QImage::Format_ARGB32_Premultiplied);
    graph.render(&target);
    const QPoint handle = graph.handleCentre(2) + QPoint(gui::CResponseGraph::kPlotLeft, 0);
    mouse(&graph, QEvent::MouseButtonPress, handle);
    std::vector<double> samples;
    int step = 0;
    for (auto _ : state) {
        // Up and down over 20 pixels: every move changes the gain, so every move recomputes.
        const QPoint at = handle + QPoint(step % 7, (step % 20) - 10);
        ++step;
        const auto start = Clock::now();
        mouse(&graph, QEvent::MouseMove, at);
        graph.render(&target);
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        samples.push_back(us);
        state.SetIterationTime(us * 1e-6);
    }
    mouse(&graph, QEvent::MouseButtonRelease, handle);
    report(state, samples);
}
BENCHMARK(BM_GraphDragRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

void BM_GraphDragRepaintNaiveBaseline(benchmark::State& state) {
    gui::CResponseGraph graph;
    graph.resize(490, 169);
    QImage target(graph.size(), QImage::Format_ARGB32_Premultiplied);
    std::array<EqBand, 5> bands = kBands;
    std::vector<double> samples;
    int step = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        bands[2].gain = static_cast<std::uint32_t>(30 + (step % 20) - 10);
        bands[2].frequency = static_cast<std::uint32_t>(110 + step % 4);
        ++step;
        graph.setCurves({naiveChannel(bands)}, {QColor(255, 0, 0)});
        graph.render(&target);
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        samples.push_back(us);
        state.SetIterationTime(us * 1e-6);
    }
    report(state, samples);
}
BENCHMARK(BM_GraphDragRepaintNaiveBaseline)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
