// Edit windows of the processor families: how long opening one takes on an output page and on the
// Global page of a 13-page sheet (a page is built when first shown), and how long the Global page takes from
// a changed band (one step of a drag) to its repainted six curves. Baselines in the same run: a bare dialog
// with thirteen empty tabs, and a repaint of the Global graph without any change.

#include "core/units/UnitSystem.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/units/processor/CGlobalPage.h"
#include "gui/units/processor/CTz48View.h"
#include "gui/units/shared/CEditWindow.h"
#include "gui/units/shared/CUnitSheet.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

using namespace kelo;
using namespace kelo::gui;

namespace {

/// One 2-in/6-out system of one unit with its window, as the editor shows it.
struct Fixture {
    QMdiArea area;
    std::unique_ptr<CSystemDoc> document;
    CTz48View* view = nullptr;

    Fixture() {
        UnitSystem system(Family::Tz48);
        system.addNewUnit(UnitSettings{u"Bench", 1, false, false}, FactoryPrograms::shared());
        document = CSystemDoc::create(&area, std::move(system), nullptr);
        view = new CTz48View(document.get(), document->system().units().front()->key());
        view->resize(632, 397);
        view->show();
    }
    ~Fixture() { delete view; }
};

void openAndClose(benchmark::State& state, int page) {
    Fixture fixture;
    for (auto _ : state) {
        CEditWindow* window = fixture.view->openEditWindow(page);
        benchmark::DoNotOptimize(window->grab());
        window->accept();
        delete window;
    }
}

void BM_OpenEditWindowOnOutputPage(benchmark::State& state) {
    openAndClose(state, 8);
}
BENCHMARK(BM_OpenEditWindowOnOutputPage)->Unit(benchmark::kMillisecond);

void BM_OpenEditWindowOnGlobalPage(benchmark::State& state) {
    openAndClose(state, 12);
}
BENCHMARK(BM_OpenEditWindowOnGlobalPage)->Unit(benchmark::kMillisecond);

void BM_OpenBareDialogWithThirteenTabs(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        auto* tabs = new QTabWidget(&dialog);
        for (int i = 0; i < 13; ++i) {
            tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(i));
        }
        (new QVBoxLayout(&dialog))->addWidget(tabs);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_OpenBareDialogWithThirteenTabs)->Unit(benchmark::kMillisecond);

void globalPage(benchmark::State& state, bool edit) {
    Fixture fixture;
    CEditWindow* window = fixture.view->openEditWindow(12);
    auto* page = qobject_cast<CGlobalPage*>(window->sheet()->currentPage());
    const std::uint32_t key = fixture.view->unitKey();
    std::uint32_t gain = 20;
    for (auto _ : state) {
        if (edit) {
            gain = gain == 20 ? 40 : 20;
            fixture.document->editor().setField(key, FieldRef{Field::OutputEqGain, 0, 1}, gain);
            QCoreApplication::processEvents(); // the page rereads its unit once per event-loop turn
        }
        benchmark::DoNotOptimize(page->graph()->grab());
    }
    window->accept();
    delete window;
}

void BM_GlobalPageEditToRepaint(benchmark::State& state) {
    globalPage(state, true);
}
BENCHMARK(BM_GlobalPageEditToRepaint)->Unit(benchmark::kMicrosecond);

void BM_GlobalPageRepaintOnly(benchmark::State& state) {
    globalPage(state, false);
}
BENCHMARK(BM_GlobalPageRepaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
