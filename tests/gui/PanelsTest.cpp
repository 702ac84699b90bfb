#include "gui/controls/CLedMeter.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/gallery/CControlGallery.h"
#include "gui/panels/CCrossoverPanel.h"
#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/panels/CLimiterPanel.h"
#include "gui/panels/CMultiCompPanel.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/panels/CTemperaturePanel.h"
#include "gui/panels/CThermometer.h"
#include "gui/panels/EqTypeList.h"
#include "gui/panels/PanelBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QPalette>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <vector>

using namespace kelo;
using namespace kelo::gui;

namespace {

/// Stored indices and the setter calls a panel made.
class RecordingBinding : public PanelBinding {
public:
    explicit RecordingBinding(std::map<int, int> start = {}) : values(std::move(start)) {}
    int value(int field) const override { return values.count(field) != 0 ? values.at(field) : 0; }
    void setValue(int field, int index) override {
        values[field] = index;
        calls.emplace_back(field, index);
    }

    std::map<int, int> values;
    std::vector<std::pair<int, int>> calls;
};

void type(CSpinEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void mouse(QWidget* widget, QEvent::Type kind, QPoint at) {
    const Qt::MouseButton button = kind == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = kind == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(kind, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

using Calls = std::vector<std::pair<int, int>>;

} // namespace

class PanelsTest : public QObject {
    Q_OBJECT

private slots:
    void eqTypeListMapsBothWays() {
        const std::vector<int> stored{2, 0, 1, 4, 3, 9};
        for (int position = 0; position < kEqTypeListSize; ++position) {
            QCOMPARE(eqTypeFromListPosition(position), stored[std::size_t(position)]);
            QCOMPARE(eqListPositionFromType(stored[std::size_t(position)]), position);
        }
        for (int type : {5, 6, 7, 8, 10, -1}) {
            QCOMPARE(eqListPositionFromType(type), -1);
        }
        RecordingBinding band({{CEqBandRow::Type, 9}});
        CEqBandRow row(2);
        row.setBinding(&band);
        QCOMPARE(row.typeList()->currentText(), QStringLiteral("Notch"));
        emit row.typeList()->activated(0);
        QCOMPARE(band.calls, (Calls{{CEqBandRow::Type, 2}}));
    }

    void eqRowEnablesFieldsByType_data() {
        QTest::addColumn<int>("storedType");
        QTest::addColumn<bool>("gain");
        QTest::addColumn<bool>("bandwidth");
        QTest::addColumn<bool>("locked");
        QTest::newRow("LowSh6") << 0 << true << false << false;
        QTest::newRow("HiSh12") << 3 << true << false << false;
        QTest::newRow("Peaking") << 2 << true << true << false;
        QTest::newRow("Notch") << 9 << false << true << false;
        QTest::newRow("borrowed") << 6 << false << false << true;
    }

    void eqRowEnablesFieldsByType() {
        QFETCH(int, storedType);
        QFETCH(bool, gain);
        QFETCH(bool, bandwidth);
        QFETCH(bool, locked);
        RecordingBinding band({{CEqBandRow::Type, storedType}});
        CEqBandRow row(1);
        row.setBinding(&band);
        QCOMPARE(row.gainField()->isEnabled(), gain);
        QCOMPARE(row.bandwidthField()->isEnabled(), bandwidth);
        QCOMPARE(row.frequencyField()->isEnabled(), !locked);
        QCOMPARE(row.typeList()->isEnabled(), !locked);
        QCOMPARE(row.flatBox()->isEnabled(), !locked);
        row.setBorrowed(true);
        QVERIFY(!row.frequencyField()->isEnabled() && !row.typeList()->isEnabled());
        QCOMPARE(row.typeList()->currentIndex(), -1);
    }

    void typedEntryAppliesClampsOrRestores() {
        RecordingBinding band({{CEqBandRow::Gain, 30}});
        CEqBandRow row(1);
        row.setBinding(&band);
        QSignalSpy changed(&row, &CBlockPanel::changed);
        CSpinEdit* gain = row.gainField();
        QCOMPARE(gain->text(), QStringLiteral("+0.0dB"));
        type(gain, QStringLiteral("3.3dB"));
        QCOMPARE(gain->text(), QStringLiteral("+3.5dB"));
        QCOMPARE(band.calls, (Calls{{CEqBandRow::Gain, 37}}));
        type(gain, QStringLiteral("3.3 dB"));
        QCOMPARE(gain->text(), QStringLiteral("+3.5dB"));
        type(gain, QStringLiteral("loud"));
        QCOMPARE(gain->text(), QStringLiteral("+3.5dB"));
        QCOMPARE(band.calls.size(), 1u);
        type(gain, QStringLiteral("99"));
        QCOMPARE(gain->text(), QStringLiteral("+15.0dB"));
        QCOMPARE(band.calls.back(), std::make_pair(int(CEqBandRow::Gain), 60));
        // A spin step moves one index and calls the setter at once; it stops at the range's end.
        QTest::keyClick(gain, Qt::Key_Down);
        QCOMPARE(band.calls.back(), std::make_pair(int(CEqBandRow::Gain), 59));
        QTest::keyClick(gain, Qt::Key_PageUp);
        QCOMPARE(band.calls.back(), std::make_pair(int(CEqBandRow::Gain), 60));
        QTest::keyClick(gain, Qt::Key_Up);
        QCOMPARE(band.calls.size(), 4u);
        QCOMPARE(changed.count(), 4);
        // The wheel leaves an unfocused field alone, so scrolling a page changes nothing.
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(gain, &wheel);
        QCOMPARE(band.calls.size(), 4u);
    }

    void crossoverShowsPhaseAndReportsTypeChanges() {
        RecordingBinding crossover({{CCrossoverPanel::Phase, 36}, {CCrossoverPanel::HighPassType, 9}});
        CCrossoverPanel panel;
        panel.setBinding(&crossover);
        QCOMPARE(panel.phaseField()->text(), QStringLiteral("180deg"));
        QCOMPARE(panel.highPassTypeList()->currentText(), QStringLiteral("Link-Riley 24dB"));
        QStringList order;
        connect(&panel, &CBlockPanel::changed, [&order] { order << "changed"; });
        connect(&panel, &CCrossoverPanel::typeChanged, [&order] { order << "type"; });
        emit panel.lowPassTypeList()->activated(10);
        QCOMPARE(order, (QStringList{"changed", "type"}));
        QCOMPARE(crossover.calls, (Calls{{CCrossoverPanel::LowPassType, 10}}));
        type(panel.phaseField(), QStringLiteral("93"));
        QCOMPARE(panel.phaseField()->text(), QStringLiteral("90deg"));
        QCOMPARE(order.size(), 3);
        panel.setFieldsEnabled(false);
        for (QWidget* field : std::initializer_list<QWidget*>{
                 panel.highPassTypeList(), panel.lowPassTypeList(), panel.highPassFrequencyField(),
                 panel.lowPassFrequencyField(), panel.phaseField()}) {
            QVERIFY(!field->isEnabled());
        }
    }

    void thermometerDragsByItsRule() {
        QCOMPARE(CThermometer::stepsForMove(40, 20), 9);  // (40 * 90 / 20) / 20
        QCOMPARE(CThermometer::stepsForMove(-7, 18), -1); // truncating toward zero
        QCOMPARE(CThermometer::stepsForMove(4, 20), 0);
        RecordingBinding temperature({{CTemperaturePanel::Temperature, 50}});
        CTemperaturePanel panel;
        panel.setBinding(&temperature);
        QCOMPARE(panel.temperatureField()->text(), QStringLiteral("20\u00b0C"));
        CThermometer* bar = panel.thermometer();
        bar->resize(20, 200);
        QSignalSpy changed(&panel, &CBlockPanel::changed);
        mouse(bar, QEvent::MouseButtonPress, QPoint(10, 100));
        // Five one-pixel moves add up to one step (each alone would be lost to the truncation).
        for (int y = 99; y >= 95; --y) {
            mouse(bar, QEvent::MouseMove, QPoint(10, y));
        }
        QCOMPARE(temperature.calls, (Calls{{CTemperaturePanel::Temperature, 51}}));
        mouse(bar, QEvent::MouseMove, QPoint(10, 55));
        QCOMPARE(temperature.values[CTemperaturePanel::Temperature], 60);
        QCOMPARE(panel.temperatureField()->text(), QStringLiteral("30\u00b0C"));
        QCOMPARE(changed.count(), 0);
        mouse(bar, QEvent::MouseButtonRelease, QPoint(10, 55));
        QCOMPARE(changed.count(), 1);
        panel.fahrenheitButton()->click();
        QCOMPARE(panel.temperatureField()->text(), QStringLiteral("+86.0\u00b0F"));
        type(panel.temperatureField(), QStringLiteral("200"));
        QCOMPARE(temperature.values[CTemperaturePanel::Temperature], 90);
    }

    void limiterThresholdsReachOff() {
        RecordingBinding values({{CLimiterPanel::Threshold, 72}});
        CLimiterPanel limiter(LimiterKind::Limiter);
        limiter.setBinding(&values);
        limiter.setPartnerChannel(3);
        QSignalSpy changed(&limiter, &CLimiterPanel::limiterChanged);
        QCOMPARE(limiter.thresholdField()->text(), QStringLiteral("-22.0dB"));
        type(limiter.thresholdField(), QStringLiteral("8"));
        QCOMPARE(limiter.thresholdField()->text(), QStringLiteral("OFF"));
        QCOMPARE(values.values[CLimiterPanel::Threshold], 222);
        QCOMPARE(changed.takeFirst().first().toInt(), 3);
        QCOMPARE(limiter.meter()->kind(), MeterKind::LimiterOvld);

        RecordingBinding amp({{CLimiterPanel::Threshold, 0}});
        CLimiterPanel compressor(LimiterKind::Compressor, true, true);
        compressor.setBinding(&amp);
        QVERIFY(compressor.gainReductionMeter() != nullptr);
        QCOMPARE(compressor.thresholdField()->text(), QStringLiteral("-20.4dB"));
        type(compressor.thresholdField(), QStringLiteral("0dB"));
        QCOMPARE(compressor.thresholdField()->text(), QStringLiteral("OFF"));
        type(compressor.thresholdField(), QStringLiteral("-10"));
        QCOMPARE(amp.values[CLimiterPanel::Threshold], 52);
        QTest::keyClick(compressor.thresholdField(), Qt::Key_Up);
        QCOMPARE(compressor.thresholdField()->text(), QStringLiteral("-9.8dB"));
    }

    void multiCompReportsItsGroups() {
        RecordingBinding values;
        CMultiCompPanel panel;
        panel.setBinding(&values);
        QSignalSpy groups(&panel, &CMultiCompPanel::groupChanged);
        QSignalSpy graphs(&panel, &CMultiCompPanel::bandGraphChanged);
        emit panel.ratioList(CompressorBand::High)->activated(8);
        QCOMPARE(values.calls.back(), std::make_pair(int(CMultiCompPanel::HighRatio), 8));
        QCOMPARE(groups.takeFirst().first().value<CompressorBand>(), CompressorBand::High);
        QCOMPARE(graphs.takeFirst().first().value<CompressorBand>(), CompressorBand::High);
        QTest::keyClick(panel.field(CMultiCompPanel::LowGain), Qt::Key_Up);
        QCOMPARE(groups.takeFirst().first().value<CompressorBand>(), CompressorBand::Low);
        QCOMPARE(graphs.count(), 0);
        QCOMPARE(panel.ratioList(CompressorBand::Low)->count(), 14);
        type(panel.field(CMultiCompPanel::HighFrequency), QStringLiteral("20000"));
        QCOMPARE(values.calls.back(), std::make_pair(int(CMultiCompPanel::HighFrequency), 18));
        QCOMPARE(panel.field(CMultiCompPanel::HighFrequency)->text(), QStringLiteral("16k00Hz"));
        type(panel.field(CMultiCompPanel::LowFrequency), QStringLiteral("20000"));
        QCOMPARE(values.calls.back(), std::make_pair(int(CMultiCompPanel::LowFrequency), 24));
    }

    void delayStepsInItsDisplayUnit() {
        RecordingBinding delay(
            {{CDelayPanel::Distance, 1200}, {CDelayPanel::DisplayUnit, 3}, {CDelayPanel::Temperature, 50}});
        CDelayPanel panel;
        panel.setMaximumDistance(900000);
        panel.setBinding(&delay);
        QCOMPARE(panel.distanceField()->text(), QStringLiteral("1.2m"));
        QTest::keyClick(panel.distanceField(), Qt::Key_Up);
        QCOMPARE(delay.calls, (Calls{{CDelayPanel::Distance, 1500}}));
        panel.unitButtons()->button(0)->click();
        QCOMPARE(delay.calls.back(), std::make_pair(int(CDelayPanel::DisplayUnit), 0));
        QCOMPARE(delay.values[CDelayPanel::Distance], 1500);
        QCOMPARE(panel.distanceField()->text(), QStringLiteral("4375us")); // 210 samples at 20 °C
        type(panel.distanceField(), QStringLiteral("2917us"));
        QCOMPARE(delay.values[CDelayPanel::Distance], 1001); // 140 samples
        type(panel.distanceField(), QStringLiteral("1e12"));
        QCOMPARE(delay.values[CDelayPanel::Distance], 900000);
    }

    void galleryHoldsEveryControl() {
        if (qEnvironmentVariableIsSet("KELO_SCREENSHOT_DARK")) {
            QApplication::setStyle(QStringLiteral("Fusion"));
            QPalette dark(QColor(53, 53, 53));
            dark.setColor(QPalette::Base, QColor(35, 35, 35));
            dark.setColor(QPalette::Text, Qt::white);
            dark.setColor(QPalette::WindowText, Qt::white);
            dark.setColor(QPalette::ButtonText, Qt::white);
            for (const QPalette::ColorRole role :
                 {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
                dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
            }
            QApplication::setPalette(dark);
        }
        CControlGallery gallery;
        gallery.resize(1300, 1250);
        gallery.show();
        QVERIFY(gallery.findChild<CResponseGraph*>() != nullptr);
        QCOMPARE(gallery.findChildren<CEqBandRow*>().size(), 5);
        QVERIFY(gallery.findChild<CMultiCompPanel*>() != nullptr);
        QCOMPARE(gallery.findChildren<CLimiterPanel*>().size(), 2);
        // Every panel's setter is reached: the status line names the call.
        CEqBandRow* row = gallery.findChildren<CEqBandRow*>().at(1);
        QTest::keyClick(row->gainField(), Qt::Key_Up);
        QCOMPARE(gallery.lastEdit(), QStringLiteral("EQ band 2 / Gain set to index 25"));
        // KELO_SCREENSHOT_DIR asks for pictures of the gallery (docs/screenshots).
        const QString shots = qEnvironmentVariable("KELO_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            const QString name = qEnvironmentVariable("KELO_SCREENSHOT_NAME", QStringLiteral("gallery"));
            QVERIFY(gallery.widget()->grab().save(QDir(shots).filePath(name + QStringLiteral(".png"))));
        }
    }
};

QTEST_MAIN(PanelsTest)
#include "PanelsTest.moc"
