#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "core/comm/line/Clock.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/controls/CFader.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/online/CNetworkScanDlg.h"
#include "gui/online/COnlineController.h"
#include "gui/panels/CCrossoverPanel.h"
#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/panels/CLimiterPanel.h"
#include "gui/units/processor/CGainPage.h"
#include "gui/units/processor/CInputPage.h"
#include "gui/units/processor/CLimiterPage.h"
#include "gui/units/processor/COutputPage.h"
#include "gui/units/processor/CProcessorView.h"
#include "gui/units/shared/CEditWindow.h"
#include "gui/units/shared/CUnitSheet.h"
#include "sim/Simulator.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kelo;
using namespace kelo::gui;

namespace {

QString writeSystem(const QString& path, Family family, const std::vector<int>& ids) {
    UnitSystem system(family);
    for (const int id : ids) {
        system.addNewUnit(UnitSettings{u"Unit" + QString::number(id).toStdU16String(), id, false, false},
                          FactoryPrograms::shared());
    }
    return saveSystemFile(system, std::filesystem::path(path.toStdString())).ok() ? path : QString();
}

/// Presses OK of the next Network Scan dialog once its scan is done.
void confirmScanWhenDone() {
    test::onNextModal([](QDialog& dialog) {
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [ok, poll] {
            if (ok->isEnabled()) {
                poll->stop();
                ok->click();
            }
        });
        poll->start(5);
    });
}

CProcessorView* viewOf(const CSystemDoc& document, std::size_t index) {
    return qobject_cast<CProcessorView*>(document.unitFrames().at(index)->view());
}

ProcessorUnit& recordOf(CSystemDoc& document, std::size_t index) {
    return *document.system().units().at(index)->processor();
}

/// Presses a block button and returns the edit window it opened.
CEditWindow* press(CProcessorView& view, const QString& block) {
    CBlockButton* button = view.block(block);
    if (button == nullptr || !button->isEnabled()) {
        return nullptr;
    }
    button->click();
    return view.editWindow();
}

void closeWindow(CProcessorView& view) {
    if (CEditWindow* window = view.editWindow()) {
        window->accept();
    }
    QTRY_VERIFY(view.editWindow() == nullptr);
}

/// Counts a gesture the way a mouse press does: edits until the next press merge into one undo step.
void startGesture(QWidget* target) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

} // namespace

class ProcessorWindowTest : public QObject {
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
    }

    void cleanup() {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void buttonsOpenTheirPageWithEveryGangingCombination() {
        for (const Family family : {Family::Tz48, Family::Tz48P}) {
            m_app->OpenSystemFile(
                writeSystem(m_dir.filePath(QStringLiteral("start%1.kle").arg(int(family))), family, {1}));
            CSystemDoc* document = m_app->documents()->documents().back();
            CProcessorView& view = *viewOf(*document, 0);
            ProcessorUnit& unit = recordOf(*document, 0);
            unit.live.routingMode = 1;
            struct Case {
                bool inputs;
                bool outputs;
                int pages;
                int eqB;
                int output3;
                QString output3Title;
            };
            for (const Case& c :
                 {Case{false, false, 13, 5, 8, "Output 3"}, Case{true, false, 12, 4, 7, "Output 3"},
                  Case{false, true, 10, 5, 7, "Output 3 + 4"}, Case{true, true, 9, 4, 6, "Output 3 + 4"}}) {
                unit.live.inputGanging() = c.inputs ? 1 : 0;
                unit.live.outputGanging() = c.outputs ? 1 : 0;
                CEditWindow* window = press(view, QStringLiteral("inputBEq"));
                QVERIFY(window != nullptr);
                QCOMPARE(window->windowTitle(), QStringLiteral("Unit1 < ID:1 >"));
                QVERIFY(window->programBarSlot() != nullptr);
                QCOMPARE(window->sheet()->pageCount(), c.pages);
                QCOMPARE(window->sheet()->currentIndex(), c.eqB);
                QCOMPARE(window->sheet()->tabText(c.eqB),
                         c.inputs ? QStringLiteral("Input A + B") : QStringLiteral("Input B"));
                QCOMPARE(window->sheet()->tabText(2),
                         family == Family::Tz48P ? QStringLiteral("Comp/Limit") : QStringLiteral("Limiter"));
                closeWindow(view);
                for (const QString& block : {QStringLiteral("outputEq3"), QStringLiteral("outputXOver3")}) {
                    window = press(view, block);
                    QVERIFY(window != nullptr);
                    QCOMPARE(window->sheet()->currentIndex(), c.output3);
                    QCOMPARE(window->sheet()->tabText(c.output3), c.output3Title);
                    closeWindow(view);
                }
                window = press(view, QStringLiteral("outputLimiter6"));
                QCOMPARE(window->sheet()->currentIndex(), 2);
                closeWindow(view);
            }
        }
    }

    void routingModeSixShowsItsPictureWithoutInputB() {
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("mode6.kle"), Family::Tz48, {1}));
        CSystemDoc* document = m_app->documents()->documents().back();
        CProcessorView& view = *viewOf(*document, 0);
        recordOf(*document, 0).live.routingMode = 6;
        view.refreshUnit();
        QCOMPARE(view.routingText(), QStringLiteral("*A123456*"));
        for (const QString& block :
             {QStringLiteral("inputBGain"), QStringLiteral("inputBEq"), QStringLiteral("inputBDelay"),
              QStringLiteral("inputBNoise"), QStringLiteral("sumDelay")}) {
            QVERIFY2(!view.block(block)->isEnabled(), qPrintable(block));
        }
        QVERIFY(view.block(QStringLiteral("inputAGain"))->isEnabled());
        QVERIFY(press(view, QStringLiteral("sumDelay")) == nullptr);
        // Another mode gives the buttons back.
        recordOf(*document, 0).live.routingMode = 0;
        view.refreshUnit();
        QCOMPARE(view.routingText(), QStringLiteral("*A13B24S56*"));
        QVERIFY(view.block(QStringLiteral("inputBGain"))->isEnabled());
        QVERIFY(view.block(QStringLiteral("sumDelay"))->isEnabled());
        // An off-line system shows no indicator.
        QCOMPARE(view.connectionIndicator(), ConnectionIndicator::Hidden);
        QVERIFY(view.indicatorText().isEmpty());
    }

    void locksDisableTheOutputSideOrEverything() {
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("lock.kle"), Family::Tz48P, {1}));
        CSystemDoc* document = m_app->documents()->documents().back();
        CProcessorView& view = *viewOf(*document, 0);
        CGeneralSettings settings = m_app->settings();
        settings.lock = 1;
        m_app->setSettings(settings);

        CEditWindow* window = press(view, QStringLiteral("outputGain1"));
        auto* gain = qobject_cast<CGainPage*>(window->sheet()->currentPage());
        QVERIFY(gain != nullptr);
        QVERIFY(gain->strip(0)->isEnabled());
        QVERIFY(gain->strip(1)->isEnabled());
        QVERIFY(!gain->strip(2)->isEnabled());
        QVERIFY(!gain->strip(7)->isEnabled());
        QVERIFY(gain->lockLine()->isVisible());
        window->sheet()->setCurrentIndex(2);
        QVERIFY(!qobject_cast<CLimiterPage*>(window->sheet()->currentPage())->panel(0)->isEnabled());
        window->sheet()->setCurrentIndex(4);
        auto* input = qobject_cast<CInputPage*>(window->sheet()->currentPage());
        QVERIFY(input->bandRow(0)->isEnabled());
        QVERIFY(input->fader()->isEnabled());
        window->sheet()->setCurrentIndex(6);
        auto* output = qobject_cast<COutputPage*>(window->sheet()->currentPage());
        QVERIFY(!output->crossover()->isEnabled());
        QVERIFY(!output->bandRow(4)->isEnabled());
        QVERIFY(!output->fader()->isEnabled());
        closeWindow(view);

        settings.lock = 2;
        m_app->setSettings(settings);
        window = press(view, QStringLiteral("inputAEq"));
        input = qobject_cast<CInputPage*>(window->sheet()->currentPage());
        QVERIFY(!input->bandRow(0)->isEnabled());
        QVERIFY(!input->fader()->isEnabled());
        QVERIFY(!input->delayPanel()->isEnabled());
        window->sheet()->setCurrentIndex(0);
        QVERIFY(!qobject_cast<CGainPage*>(window->sheet()->currentPage())->strip(0)->isEnabled());
        closeWindow(view);
    }

    void aFaderDragIsOneUndoStepAndAChannelPasteAnother() {
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("undo.kle"), Family::Tz48, {1}));
        CSystemDoc* document = m_app->documents()->documents().back();
        CProcessorView& view = *viewOf(*document, 0);
        ProcessorUnit& unit = recordOf(*document, 0);
        const std::uint32_t before = unit.live.outputs[2].gain;

        CEditWindow* window = press(view, QStringLiteral("outputGain3"));
        auto* gain = qobject_cast<CGainPage*>(window->sheet()->currentPage());
        QSlider* slider = gain->strip(4)->slider();
        startGesture(slider);
        for (int step = 1; step <= 5; ++step) {
            slider->setValue(slider->value() - 1);
        }
        QCOMPARE(unit.live.outputs[2].gain, before - 5);
        QVERIFY(document->isModified());
        QTRY_VERIFY(document->unitFrames().front()->windowTitle().endsWith(QStringLiteral(" *")));
        QVERIFY(document->editor().canUndo());
        QCOMPARE(document->editor().undoText(), QStringLiteral("Undo Output 3 gain"));
        // The modal edit window carries Undo and Redo itself (the main frame's menu is out of reach).
        window->findChild<QAction*>(QStringLiteral("editWindowUndo"))->trigger();
        QCOMPARE(unit.live.outputs[2].gain, before);
        QVERIFY(!document->editor().canUndo());
        QTRY_COMPARE(gain->strip(4)->index(), static_cast<int>(before));
        window->findChild<QAction*>(QStringLiteral("editWindowRedo"))->trigger();
        QCOMPARE(unit.live.outputs[2].gain, before - 5);

        // Copy output 1, paste it onto output 2: one more step, undone at once.
        unit.live.outputs[0].bands[1].gain = 44;
        window->sheet()->setCurrentIndex(6);
        auto* first = qobject_cast<COutputPage*>(window->sheet()->currentPage());
        QVERIFY(first->copyChannel());
        window->sheet()->setCurrentIndex(7);
        auto* second = qobject_cast<COutputPage*>(window->sheet()->currentPage());
        QVERIFY(second->canPasteChannel());
        QVERIFY(second->pasteChannel());
        QCOMPARE(unit.live.outputs[1].bands[1].gain, 44u);
        document->editor().undo();
        QCOMPARE(unit.live.outputs[1].bands[1].gain, 30u);
        QCOMPARE(unit.live.outputs[2].gain, before - 5);
        closeWindow(view);
    }

    void editsReachTheSimulatedUnits() {
        sim::SimOptions options;
        options.family = Family::Tz48;
        options.ids = {0, 1, 2};
        sim::Simulator simulator(options);
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("line.kle"), Family::Tz48, {1, 2, 3}));
        CSystemDoc* document = m_app->documents()->documents().back();
        ProcessorUnit& first = recordOf(*document, 0);
        first.live.routingMode = 1;
        first.live.inputGanging() = 1;
        confirmScanWhenDone();
        m_app->mainFrame()->action(action_names::kOnOffLine)->trigger();
        QVERIFY(document->isOnLine());
        QTRY_COMPARE(viewOf(*document, 0)->connectionIndicator(), ConnectionIndicator::Connected);

        // The messages each unit must receive, from the address table: block, channel, offset.
        const ParameterAddress inputAGain{0x15, 0, 0x20};
        const ParameterAddress inputBGain{0x15, 1, 0x20};
        const ParameterAddress output2Ratio{0x17, 197, 0x30};

        // Ganged inputs: input A's strip sends channel 0 and channel 1.
        CEditWindow* window = press(*viewOf(*document, 0), QStringLiteral("inputAGain"));
        auto* gain = qobject_cast<CGainPage*>(window->sheet()->currentPage());
        gain->strip(0)->slider()->setValue(50 + 40); // the track stands at index + 40
        QTRY_COMPARE(simulator.unit(0).parameters[inputAGain], std::uint16_t{50});
        QTRY_COMPARE(simulator.unit(0).parameters[inputBGain], std::uint16_t{50});
        QCOMPARE(first.live.inputs[1].gain, 50u);
        QCOMPARE(simulator.unit(1).parameters.count(inputAGain), std::size_t{0});
        closeWindow(*viewOf(*document, 0));

        // Link on: output 2's ratio on the second unit is written into all three and sent to all three.
        CGeneralSettings settings = m_app->settings();
        settings.link = 1;
        m_app->setSettings(settings);
        window = press(*viewOf(*document, 1), QStringLiteral("outputLimiter2"));
        auto* limiter = qobject_cast<CLimiterPage*>(window->sheet()->currentPage());
        limiter->panel(1)->ratioList()->setCurrentIndex(7);
        emit limiter->panel(1)->ratioList()->activated(7); // as a choice from the list
        for (std::size_t unit = 0; unit < 3; ++unit) {
            QCOMPARE(recordOf(*document, unit).live.outputs[1].limiter.ratio, 7u);
            QTRY_COMPARE(simulator.unit(static_cast<std::uint8_t>(unit)).parameters[output2Ratio],
                         std::uint16_t{7});
        }
        closeWindow(*viewOf(*document, 1));
        m_app->online()->goOffLine(*document);
    }

    /// With KELO_SCREENSHOT_DIR set, renders the unit window and every page of both families there.
    void screenshots() {
        const QString folder = qEnvironmentVariable("KELO_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("KELO_SCREENSHOT_DIR is not set");
        }
        for (const Family family : {Family::Tz48, Family::Tz48P}) {
            const QString prefix = family == Family::Tz48 ? QStringLiteral("tz48") : QStringLiteral("tz48p");
            m_app->OpenSystemFile(writeSystem(m_dir.filePath(prefix + QStringLiteral(".kle")), family, {1}));
            CSystemDoc* document = m_app->documents()->documents().back();
            CProcessorView& view = *viewOf(*document, 0);
            ProcessorUnit& unit = recordOf(*document, 0);
            unit.live.routingMode = family == Family::Tz48 ? 0 : 3;
            unit.live.outputs[0].bands[1].gain = 42;
            unit.live.outputs[0].crossover.lowPassType = 7;
            unit.live.outputs[0].crossover.lowPassFrequency = 150;
            unit.live.outputs[3].bands[0].gain = 20;
            unit.live.setOutputMute(4, 1);
            view.refreshUnit();
            QVERIFY(view.grab().save(folder + QStringLiteral("/%1-unit-window.png").arg(prefix)));
            CEditWindow* window = press(view, QStringLiteral("inputAGain"));
            window->resize(900, 680);
            for (int page = 0; page < window->sheet()->pageCount(); ++page) {
                window->sheet()->setCurrentIndex(page);
                QCoreApplication::processEvents();
                QString title = window->sheet()->tabText(page).toLower();
                title.replace(QStringLiteral(" + "), QStringLiteral("-"))
                    .replace(QLatin1Char(' '), QLatin1Char('-'));
                title.remove(QLatin1Char('/'));
                QVERIFY(window->grab().save(folder + QStringLiteral("/%1-page-%2-%3.png")
                                                         .arg(prefix)
                                                         .arg(page, 2, 10, QLatin1Char('0'))
                                                         .arg(title)));
            }
            closeWindow(view);
        }
    }

private:
    FastClock m_clock{10};
    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(ProcessorWindowTest)
#include "ProcessorWindowTest.moc"
