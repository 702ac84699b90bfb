#include "gui/controls/CFader.h"
#include "gui/controls/CHumGraph.h"
#include "gui/controls/CLedMeter.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/controls/CTransferGraph.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <array>

using namespace kelo;
using namespace kelo::gui;

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses at `from`, moves to `to` and lets go, as a user dragging with the left button.
void drag(QWidget* widget, QPoint from, QPoint to) {
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void responseGraphPlacesGridAndHandles() {
        CResponseGraph graph;
        graph.resize(490, 169);
        QCOMPARE(graph.plotWidth(), 440);
        QCOMPARE(graph.xOfGridPoint(132), 264);
        QCOMPARE(graph.yOfLevel(0.0), 84);
        QCOMPARE(graph.yOfLevel(15.0), 24);
        QCOMPARE(graph.yOfLevel(-15.0), 144);
        const std::array<EqBand, 1> bands{EqBand{2, 120, 19, 30, 0}};
        graph.setEqualizer(bands);
        QCOMPARE(graph.handleCentre(0), QPoint(264, 84));
        QCOMPARE(graph.handleAt(QPoint(CResponseGraph::kPlotLeft + 264 + 4, 84 - 4)), 0);
        QCOMPARE(graph.handleAt(QPoint(CResponseGraph::kPlotLeft + 264 + 5, 84)), -1);
    }

    void draggingAHandleMovesTheBandAndTheCurve() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 1> bands{EqBand{2, 120, 19, 30, 0}};
        graph.setEqualizer(bands);
        QSignalSpy grabbed(&graph, &CResponseGraph::bandGrabbed);
        QSignalSpy moved(&graph, &CResponseGraph::bandMoved);
        QSignalSpy released(&graph, &CResponseGraph::bandReleased);
        const QPoint handle(CResponseGraph::kPlotLeft + 264, 84);
        drag(&graph, handle, handle - QPoint(0, 12));
        QCOMPARE(grabbed.count(), 1);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first(), (QList<QVariant>{0, 121, 36}));
        QCOMPARE(released.count(), 1);
        QCOMPARE(graph.band(0).frequency, 121u);
        QCOMPARE(graph.band(0).gain, 36u);
        QCOMPARE(graph.draggedBand(), -1);
        // +3 dB peaking band at index 121: the curve follows at once.
        QVERIFY(std::abs(graph.totalCurve()[121 + 12] - 3.0) < 0.01);
    }

    void overlappingHandlesGoToTheFirstBand() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 3> bands{EqBand{2, 60, 19, 30, 0}, EqBand{2, 120, 19, 30, 0},
                                          EqBand{2, 120, 19, 30, 0}};
        graph.setEqualizer(bands);
        QSignalSpy grabbed(&graph, &CResponseGraph::bandGrabbed);
        drag(&graph, QPoint(CResponseGraph::kPlotLeft + 264, 84),
             QPoint(CResponseGraph::kPlotLeft + 264, 84));
        QCOMPARE(grabbed.count(), 1);
        QCOMPARE(grabbed.first().first().toInt(), 1);
    }

    void draggedHandlesStayInTheirRectangle() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 2> bands{EqBand{2, 120, 19, 30, 0}, EqBand{2, 60, 19, 30, 0}};
        graph.setEqualizer(bands);
        graph.setDragRect(0, QRect(200, 60, 100, 50));
        const QPoint first(CResponseGraph::kPlotLeft + 264, 84);
        drag(&graph, first, QPoint(-100, -100));
        QCOMPARE(graph.band(0).frequency, 89u); // 200 * 220 div 440 - 12 + 1
        QCOMPARE(graph.band(0).gain, 42u);      // y = 60: 2 * (21 - 15) + 30
        // Without a rectangle the band's own range holds, far outside the plot in both directions.
        const QPoint second = graph.handleCentre(1) + QPoint(CResponseGraph::kPlotLeft, 0);
        drag(&graph, second, QPoint(2000, 2000));
        QCOMPARE(graph.band(1).frequency, 200u);
        QCOMPARE(graph.band(1).gain, 0u);
        drag(&graph, graph.handleCentre(1) + QPoint(CResponseGraph::kPlotLeft, 0), QPoint(-2000, -2000));
        QCOMPARE(graph.band(1).frequency, 0u);
        QCOMPARE(graph.band(1).gain, 60u);
    }

    void metersLightFromTheBottom() {
        const QColor off(120, 120, 120), green(0, 255, 0), yellow(255, 255, 0), red(255, 0, 0);
        using Column = std::array<QColor, 5>;
        const std::array<Column, 8> expected{
            Column{off, off, off, off, off},          Column{off, off, off, off, green},
            Column{off, off, off, green, green},      Column{off, off, green, green, green},
            Column{off, yellow, green, green, green}, Column{red, yellow, green, green, green},
            Column{off, off, off, off, off},          Column{off, off, off, off, off}};
        for (int level = 0; level < 8; ++level) {
            QCOMPARE(CLedMeter::coloursForLevel(level), expected[static_cast<std::size_t>(level)]);
        }
        int asked = 0;
        CLedMeter meter(MeterKind::LimiterOvld);
        meter.setLevelSource([&asked] { return ++asked == 1 ? 4 : 5; });
        QCOMPARE(meter.fieldColour(0), QColor(180, 0, 0)); // disabled until enabled
        QVERIFY(!meter.isPolling());
        meter.poll();
        QCOMPARE(asked, 0);
        meter.setMeteringEnabled(true);
        QVERIFY(meter.isPolling());
        meter.poll();
        QCOMPARE(meter.fieldColour(1), yellow);
        QCOMPARE(meter.fieldColour(0), off);
        QTRY_COMPARE(meter.level(), 5); // the 25 ms timer keeps asking
        QCOMPARE(CLedMeter(MeterKind::GainReduction).labels().first(), QStringLiteral("1dB"));
    }

    void processorFaderHoldsItsBounds() {
        CFader fader(FaderKind::ProcessorOutput);
        QSignalSpy changed(&fader, &CFader::indexChanged);
        fader.setIndex(0);
        QCOMPARE(fader.trackPosition(), 40);
        QCOMPARE(fader.valueText(), QStringLiteral("-30.0dB"));
        QCOMPARE(changed.count(), 0);
        fader.slider()->setValue(12); // below the lower bound: pulled back to 40
        QCOMPARE(fader.trackPosition(), 40);
        QCOMPARE(changed.takeLast().first().toInt(), 0);
        fader.slider()->setValue(112);
        QCOMPARE(fader.index(), 72);
        QCOMPARE(fader.valueText(), QStringLiteral("+6.0dB"));
        QTest::keyClick(fader.slider(), Qt::Key_Down);
        QCOMPARE(changed.takeLast().first().toInt(), 71);
        QCOMPARE(fader.valueText(), QStringLiteral("+5.5dB"));
        QSignalSpy polarity(&fader, &CFader::polarityToggled);
        fader.polarityButton()->click();
        QCOMPARE(polarity.count(), 1);
        QVERIFY(fader.isPolarityReversed());
        QVERIFY(CFader(FaderKind::ProcessorInput).polarityButton() == nullptr);

        CFader level(FaderKind::AmpLevel);
        level.setIndex(500);
        QCOMPARE(level.index(), 99);
        QCOMPARE(level.valueText(), QStringLiteral("+0.0dB"));
        level.setIndex(0);
        QCOMPARE(level.valueText(), QStringLiteral("-49.5dB"));
    }

    void transferCurvesFollowThresholdAndRange() {
        CCompressorGraph compressor;
        compressor.setValues(34, 4); // -12 dB, 2.0
        using Corners = std::vector<std::pair<double, double>>;
        QCOMPARE(compressor.curve(), (Corners{{-90, -90}, {-12, -12}, {10, -1}}));
        compressor.setValues(500, 14); // clamped to +8 dB and 20.0
        QCOMPARE(compressor.curve().back().second, 10 - 2 * 19.0 / 20.0);
        CGateGraph gate;
        gate.setValues(10, 110); // -60 dB threshold, -80 dB range
        QCOMPARE(gate.curve(), (Corners{{-90, -170}, {-60, -140}, {-60, -60}, {10, 10}}));
        CHumGraph hum;
        hum.setValues(100, 60);
        QCOMPARE(CHumGraph::bandFrequencyIndex(100), 69);
        QCOMPARE(hum.thresholdLevel(), 12.0);
        // The two bands cut 15 + 9 dB at their centre; the curve is lifted by 12 dB.
        QVERIFY(std::abs(hum.curve()[69 + 12] - (12.0 - 24.0)) < 0.01);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
