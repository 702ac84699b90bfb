// The configuration report of a 32-unit system (64 pages) written as a PDF, as `kelo report` does it.
// Baselines in the same run: building the report's texts and curves alone, and a PDF of 64 pages that
// carry only a page number, so the figures show what the tables and graphs add to the PDF machinery.

#include "core/report/Report.h"
#include "gui/report/ReportRenderer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace kelo;

UnitSystem system32() {
    UnitSystem system(Family::Tz48);
    for (std::uint32_t key = 0; key < 32; ++key) {
        ProcessorUnit unit;
        unit.key = key;
        unit.live.busId() = key;
        unit.live.outputs[key % 6].crossover.lowPassType = 10;
        unit.live.inputs[0].bands[0] = EqBand{9, 60 + key, 19, 30, 0};
        system.appendLoadedUnit(Unit(std::move(unit)));
    }
    return system;
}

report::Report report32() {
    const UnitSystem system = system32();
    return report::buildReport(system, report::allUnits(system), "bench.kle",
                               "12:00 - Monday, January 04, 2027");
}

void writePdf(benchmark::State& state, const report::Report& report) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        if (!gui::writeReportPdf(path, report, QPageSize(QPageSize::A4))) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
    }
    state.counters["pages"] = report.pageCount();
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}

void BM_BuildReport32Units(benchmark::State& state) {
    const UnitSystem system = system32();
    for (auto _ : state) {
        report::Report report = report::buildReport(system, report::allUnits(system), "bench.kle", "now");
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_BuildReport32Units)->Unit(benchmark::kMillisecond);

void BM_PageNumbersOnlyPdf64Pages(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blank.pdf"));
    for (auto _ : state) {
        QPdfWriter writer(path);
        writer.setResolution(gui::kReportPdfResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        for (int page = 1; page <= 64; ++page) {
            if (page > 1) {
                writer.newPage();
            }
            painter.drawText(4000, 6400, QStringLiteral("Page %1 of 64").arg(page));
        }
        painter.end();
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_PageNumbersOnlyPdf64Pages)->Unit(benchmark::kMillisecond);

void BM_ReportPdf32Units(benchmark::State& state) {
    writePdf(state, report32());
}
BENCHMARK(BM_ReportPdf32Units)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
