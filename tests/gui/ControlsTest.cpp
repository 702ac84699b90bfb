#include "core/scales/ChannelResponse.h"
#include "gui/controls/CBlinkIndicator.h"
#include "gui/controls/CFader.h"
#include "gui/controls/CHumGraph.h"
#include "gui/controls/CLedMeter.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/controls/CTransferGraph.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

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

    void graphDrawsWhereItsGeometrySays() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 2> bands{EqBand{2, 60, 19, 30, 0}, EqBand{9, 200, 3, 30, 1}};
        graph.setEqualizer(bands);
        QImage image(graph.size(), QImage::Format_RGB32);
        graph.render(&image);
        const auto at = [&image](int plotX, int y) {
            return image.pixelColor(CResponseGraph::kPlotLeft + plotX, y);
        };
        const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);
        QCOMPARE(at(graph.xOfGridPoint(52), 66), blue); // the 62.5 Hz octave line
        QCOMPARE(at(graph.xOfGridPoint(52) + 1, 66), black);
        QCOMPARE(at(437, 66), blue); // closing line at p - 3
        QCOMPARE(at(300, 36), blue); // +12 dB line
        QCOMPARE(at(300, 84), red);  // the flat curve over the 0 dB line
        QCOMPARE(at(300, 100), black);
        // Band 1's square (half-size 4) around its point, in its band colour.
        QCOMPARE(at(graph.xOfGridPoint(72) - 4, 80), QColor(250, 0, 0));
        QCOMPARE(at(graph.xOfGridPoint(72) - 3, 81), black); // an outline, not filled
        QCOMPARE(at(graph.xOfGridPoint(72) - 3, 84), red);
        QCOMPARE(image.pixelColor(5, 84), black);
    }

    void graphCurveMatchesTheChannelComputation() {
        // A 48 dB low-pass borrows the last two bands: the dragged graph must draw the same sum.
        CResponseGraph graph;
        graph.resize(490, 169);
        const CrossoverSection crossover{10, 150, 0, 9, 40};
        std::array<EqBand, 5> bands{EqBand{2, 60, 19, 40, 0}, EqBand{0, 80, 19, 20, 0},
                                    EqBand{2, 100, 5, 50, 0}, EqBand{2, 120, 19, 36, 0},
                                    EqBand{9, 140, 19, 30, 0}};
        graph.setChannel(crossover, bands);
        const QPoint handle = graph.handleCentre(0) + QPoint(CResponseGraph::kPlotLeft, 0);
        drag(&graph, handle, handle + QPoint(30, -20));
        bands[0].frequency = graph.band(0).frequency;
        bands[0].gain = graph.band(0).gain;
        QVERIFY(bands[0].frequency != 60 && bands[0].gain != 40);
        ChannelResponse expected;
        ComputeChannel(expected, crossover, bands);
        for (std::size_t g = 0; g < kResponsePointCount; ++g) {
            QVERIFY2(std::abs(graph.totalCurve()[g] - expected.total[g]) < 1e-6,
                     qPrintable(QString::number(g)));
        }
    }

    void readyMadeCurvesHaveNoHandlesAndTheCursorTellsWhatIsDraggable() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 1> bands{EqBand{2, 120, 19, 30, 0}};
        graph.setEqualizer(bands);
        const QPoint handle(CResponseGraph::kPlotLeft + 264, 84);
        sendMouse(&graph, QEvent::MouseMove, handle, Qt::NoButton);
        QCOMPARE(graph.cursor().shape(), Qt::PointingHandCursor);
        sendMouse(&graph, QEvent::MouseButtonPress, handle, Qt::LeftButton);
        QCOMPARE(graph.cursor().shape(), Qt::ClosedHandCursor);
        sendMouse(&graph, QEvent::MouseButtonRelease, handle, Qt::NoButton);
        sendMouse(&graph, QEvent::MouseMove, handle + QPoint(20, 0), Qt::NoButton);
        QCOMPARE(graph.cursor().shape(), Qt::ArrowCursor);
        graph.setCurves({Curve{}}, {Qt::green});
        QSignalSpy grabbed(&graph, &CResponseGraph::bandGrabbed);
        sendMouse(&graph, QEvent::MouseButtonPress, handle, Qt::LeftButton);
        QCOMPARE(graph.handleAt(handle), -1);
        QCOMPARE(grabbed.count(), 0);
    }

    void indicatorBlinksBetweenItsFirstTwoStates() {
        CBlinkIndicator indicator;
        indicator.setState(7);
        QCOMPARE(indicator.state(), 2);
        indicator.blink();
        QCOMPARE(indicator.state(), 0);
        indicator.blink();
        QCOMPARE(indicator.state(), 1);
        indicator.startBlinking(10);
        QVERIFY(indicator.isBlinking());
        QTRY_COMPARE(indicator.state(), 0);
        indicator.stopBlinking();
        QVERIFY(!indicator.isBlinking());
    }

    void faderIgnoresTheWheelWithoutFocus() {
        CFader fader(FaderKind::ProcessorInput);
        fader.setIndex(20);
        QSignalSpy changed(&fader, &CFader::indexChanged);
        QWheelEvent wheel(QPointF(5, 50), QPointF(5, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(fader.slider(), &wheel);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(fader.index(), 20);
        QSignalSpy muted(&fader, &CFader::muteToggled);
        fader.muteButton()->click();
        QCOMPARE(muted.takeFirst().first().toBool(), true);
        fader.setMuted(false);
        QCOMPARE(muted.count(), 0);
    }

    void keysMoveTheCurrentBandWithinItsLimits() {
        CResponseGraph graph;
        graph.resize(490, 169);
        const std::array<EqBand, 2> bands{EqBand{2, 120, 19, 30, 0}, EqBand{2, 199, 19, 58, 0}};
        graph.setEqualizer(bands);
        QSignalSpy moved(&graph, &CResponseGraph::bandMoved);
        QTest::keyClick(&graph, Qt::Key_2);
        QCOMPARE(graph.currentBand(), 1);
        QTest::keyClick(&graph, Qt::Key_Right);
        QTest::keyClick(&graph, Qt::Key_Right);  // already at 200
        QTest::keyClick(&graph, Qt::Key_PageUp); // 58 + 6 stops at 60
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.last(), (QList<QVariant>{1, 200, 60}));
        graph.setDragRect(0, QRect(200, 60, 100, 50)); // frequency 89.., gain ..42
        QTest::keyClick(&graph, Qt::Key_1);
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(&graph, Qt::Key_PageUp);
        }
        QCOMPARE(graph.band(0).gain, 42u);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
