#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "core/comm/line/Clock.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CStartDlg.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/doc/CUnitDlg.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/online/CNetworkScanDlg.h"
#include "gui/online/COnlineController.h"
#include "gui/view/CT48View.h"
#include "sim/Simulator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kelo;
using namespace kelo::gui;

namespace {

/// Presses OK of the next Network Scan dialog once its scan is done, then runs next.
void confirmScanWhenDone(std::function<void()> next = {}) {
    test::onNextModal([next](QDialog& dialog) {
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [ok, poll, next] {
            if (ok->isEnabled()) {
                poll->stop();
                if (next) {
                    next();
                }
                ok->click();
            }
        });
        poll->start(5);
    });
}

ConnectionIndicator indicatorOf(const CSystemDoc& document, std::size_t index) {
    return document.unitFrames().at(index)->view()->connectionIndicator();
}

} // namespace

class OnLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        test::prepareGuiTest();
        CNetworkScanDlg::setTickInterval(std::chrono::milliseconds(1));
    }

    void init() {
        Dialogs::setScripted(true);
        m_app = std::make_unique<CEditorApp>(std::make_unique<MemorySettingsStore>());
        m_app->online()->useClock(m_clock);
        QVERIFY(m_app->InitInstance(StartOptions{{}, false}));
        Dialogs::clearShown();
    }

    void cleanup() {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void onLineWithAnAbsentPortStaysOffLine() {
        m_app->online()->setPortDeviceOverride(0, "/dev/kelo-no-such-port");
        QVERIFY(!m_app->online()->isPortPresent(0));
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("absent.kle"), Family::Tz48, {1}));
        CSystemDoc* document = m_app->documents()->documents().front();

        m_app->mainFrame()->action(action_names::kOnLine)->trigger();
        QVERIFY(test::messageShown(QStringLiteral("An Error Occured Opening The Specified Serial Port.")));
        QCOMPARE(Dialogs::shownMessages().back().title, QStringLiteral("Serial Port Access Error"));
        QVERIFY(!document->isOnLine());
        QVERIFY(m_app->onLineDocument() == nullptr);
        QCOMPARE(m_app->mainFrame()->onLineStatusText(), QStringLiteral("\nStatus: OFF Line"));
        QVERIFY(m_app->mainFrame()->action(action_names::kOnLine)->isEnabled());
        QCOMPARE(indicatorOf(*document, 0), ConnectionIndicator::Hidden);
    }

    void onLineAgainstSimulatedUnitsUntilThePortVanishes() {
        auto simulator = std::make_unique<sim::Simulator>(test::simulatedUnits(Family::Tz48, {0, 2}));
        const std::vector<std::uint8_t> before = simulator->unit(0).settingsImage;
        m_app->online()->setPortDeviceOverride(0, simulator->devicePath());
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("first.kle"), Family::Tz48, {1, 2}));
        CSystemDoc* document = m_app->documents()->documents().front();
        CMainFrame& frame = *m_app->mainFrame();

        confirmScanWhenDone();
        frame.action(action_names::kOnOffLine)->trigger();
        QVERIFY(document->isOnLine());
        QVERIFY(m_app->onLineDocument() == document);
        QCOMPARE(frame.onLineStatusText(), QStringLiteral("\nStatus: ON Line"));
        QVERIFY(frame.action(action_names::kOnOffLine)->isChecked());
        QVERIFY(!frame.action(action_names::kOnLine)->isEnabled());
        QTRY_COMPARE(indicatorOf(*document, 0), ConnectionIndicator::Connected);
        QCOMPARE(indicatorOf(*document, 1), ConnectionIndicator::NotResponding);
        // The document's unit with identifier 1 was sent to the unit that answered.
        QVERIFY(simulator->unit(0).settingsImage != before);

        // While on line the processor family's Options keep port and speed as they are.
        bool speedLocked = false;
        test::onNextModal([&](QDialog& sheet) {
            speedLocked = !sheet.findChild<QComboBox*>(QStringLiteral("baudRateComboBox"))->isEnabled();
            sheet.reject();
        });
        frame.action(action_names::kOptions)->trigger();
        QVERIFY(speedLocked);

        // A second system cannot take the line; the first keeps it.
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("second.kle"), Family::TzAmp, {5}));
        CSystemDoc* second = m_app->documents()->documents().back();
        m_app->online()->goOnLine(*second);
        QVERIFY(test::messageShown(QStringLiteral("An Error Occured Opening The Specified Serial Port.")));
        QVERIFY(!second->isOnLine());
        QVERIFY(m_app->onLineDocument() == document);
        QCOMPARE(m_app->online()->engine().GetConnectionEntry(0).state, ConnectionState::Connected);

        // The adapter is pulled: the units stop answering, the editor keeps running on line and says why.
        simulator.reset();
        QTRY_COMPARE(indicatorOf(*document, 0), ConnectionIndicator::NotResponding);
        QVERIFY(document->isOnLine());
        QCOMPARE(m_app->online()->engine().lineFault(), CommResult::DeviceGone);
        QTRY_VERIFY(frame.statusBar()->currentMessage().contains(QStringLiteral("serial adapter")));

        // Off Line returns at once; the system stays on line, the status bar saying so, until the engine
        // has stopped.
        m_app->online()->goOffLine(*document);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Closing the serial line..."));
        QVERIFY(document->isOnLine());
        QTRY_VERIFY(!document->isOnLine());
        QVERIFY(m_app->onLineDocument() == nullptr);
        QVERIFY(!m_app->online()->engine().IsEngineRunning());
        QCOMPARE(frame.onLineStatusText(), QStringLiteral("\nStatus: OFF Line"));
        QCOMPARE(indicatorOf(*document, 0), ConnectionIndicator::Hidden);
    }

    void unitCommandsOnLineReachTheUnits() {
        sim::Simulator simulator(test::simulatedUnits(Family::Tz48, {0, 1, 2}));
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("edit.kle"), Family::Tz48, {1, 2}));
        CSystemDoc* document = m_app->documents()->documents().front();
        confirmScanWhenDone();
        m_app->online()->goOnLine(*document);
        QVERIFY(document->isOnLine());
        CommEngine& engine = m_app->online()->engine();

        // Modify Unit sends both ganging flags to the unit.
        test::onNextModal<CUnitDlg>([](CUnitDlg& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("inputGangingCheckBox"))->setChecked(true);
            dialog.accept();
        });
        document->ModifyUnit(document->system().units().front()->key());
        // The flags are posted: the engine's worker sends them between polls.
        QTRY_VERIFY(simulator.unit(0).parameters.count(sim::ParameterAddress{0x35, 255, 0x10}) == 1);
        const auto sent = simulator.unit(0).parameters;
        QCOMPARE(sent.at(sim::ParameterAddress{0x35, 255, 0x0F}), std::uint16_t{1});
        QCOMPARE(sent.at(sim::ParameterAddress{0x35, 255, 0x10}), std::uint16_t{0});

        // A unit deleted on line is no longer polled.
        QVERIFY(document->unitFrames().back()->close());
        QCOMPARE(engine.GetConnectionEntry(1).state, ConnectionState::NotUsed);

        // New Unit on line scans again and sends the system's units, the new one included.
        const std::vector<std::uint8_t> before = simulator.unit(2).settingsImage;
        test::onNextModal<CUnitDlg>([](CUnitDlg& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Third"));
            dialog.findChild<QSpinBox*>(QStringLiteral("idSpinBox"))->setValue(3);
            confirmScanWhenDone();
            dialog.accept();
        });
        m_app->mainFrame()->action(action_names::kNewUnit)->trigger();
        QVERIFY(document->isOnLine());
        QCOMPARE(engine.GetConnectionEntry(2).state, ConnectionState::Connected);
        QVERIFY(simulator.unit(2).settingsImage != before);
        m_app->online()->goOffLine(*document);
        QTRY_VERIFY(!m_app->online()->isLineClosing());
    }

    void networkScanCreatesASystemOfTheUnitsFound() {
        sim::Simulator simulator(test::simulatedUnits(Family::TzAmp, {4, 1}));
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        CGeneralSettings settings = m_app->settings();
        settings.baudRate = 2;
        m_app->setSettings(settings);

        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            confirmScanWhenDone();
            chooser.findChild<QPushButton*>(QStringLiteral("networkScanButton"))->click();
        });
        CSystemDoc* document = m_app->documents()->newDocument(Family::TzAmp);
        QVERIFY(document != nullptr);
        QVERIFY(document->isOnLine());
        QVERIFY(m_app->onLineDocument() == document);
        const UnitSystem& system = document->system();
        QCOMPARE(system.unitCount(), std::size_t{2});
        QCOMPARE(QString::fromStdU16String(system.units()[0]->name()), QStringLiteral("Unit2"));
        QCOMPARE(system.units()[0]->busId(), 1u);
        QCOMPARE(system.units()[0]->key(), 0u);
        QCOMPARE(QString::fromStdU16String(system.units()[1]->name()), QStringLiteral("Unit5"));
        QCOMPARE(system.units()[1]->key(), 1u);
        QCOMPARE(system.lastUnitKey(), 1u);
        QCOMPARE(document->unitFrames().size(), std::size_t{2});
        QTRY_COMPARE(indicatorOf(*document, 1), ConnectionIndicator::Connected);
        // The speed reached is kept in the settings.
        QCOMPARE(m_app->settings().baudRate, m_app->online()->engine().GetConnectionBaud());
        QCOMPARE(m_app->settings().baudRate, 2);

        // Closing the on-line system takes it off the line.
        Dialogs::pushMessageAnswer(QMessageBox::No);
        m_app->mainFrame()->action(action_names::kFileClose)->trigger();
        QVERIFY(m_app->onLineDocument() == nullptr);
        QCOMPARE(m_app->mainFrame()->onLineStatusText(), QStringLiteral("\nStatus: OFF Line"));
        QTRY_VERIFY(!m_app->online()->isLineClosing());
        QVERIFY(!m_app->online()->engine().IsEngineRunning());
    }

    void scanThatFindsNothingReturnsToTheChooser() {
        sim::Simulator simulator(test::simulatedUnits(Family::Tz48, {}));
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        int choosers = 0;
        test::onNextModal<CStartDlg>([&](CStartDlg& chooser) {
            ++choosers;
            confirmScanWhenDone([&] {
                test::onNextModal<CStartDlg>([&](CStartDlg& again) {
                    ++choosers;
                    again.reject();
                });
            });
            chooser.findChild<QPushButton*>(QStringLiteral("networkScanButton"))->click();
        });
        QVERIFY(m_app->documents()->newDocument(Family::Tz48) == nullptr);
        QCOMPARE(choosers, 2);
        QVERIFY(m_app->onLineDocument() == nullptr);
        QTRY_VERIFY(!m_app->online()->isLineClosing());
        QVERIFY(!m_app->online()->engine().IsEngineRunning());
    }

private:
    FastClock m_clock{10};
    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(OnLineTest)
#include "OnLineTest.moc"
