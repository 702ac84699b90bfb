#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "core/comm/line/Clock.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/online/CNetworkScanDlg.h"
#include "gui/online/COnlineController.h"
#include "gui/panels/CBypassButton.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/panels/CHumPanel.h"
#include "gui/panels/CMultiCompPanel.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/units/amp/CTzAmpDynBoostPage.h"
#include "gui/units/amp/CTzAmpHumPage.h"
#include "gui/units/amp/CTzAmpOutputPage.h"
#include "gui/units/amp/CTzAmpView.h"
#include "gui/units/shared/CEditWindow.h"
#include "gui/units/shared/CUnitSheet.h"
#include "sim/Simulator.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kelo;
using namespace kelo::gui;

namespace {

QString writeAmpSystem(const QString& path, bool ganged) {
    UnitSystem system(Family::TzAmp);
    system.addNewUnit(UnitSettings{u"Stage Left", 1, ganged, false}, FactoryPrograms::shared());
    return saveSystemFile(system, std::filesystem::path(path.toStdString())).ok() ? path : QString();
}

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

template <class Page> Page* pageOf(CEditWindow* window) {
    return qobject_cast<Page*>(window->sheet()->currentPage());
}

/// With KELO_SCREENSHOT_DIR set, saves the unit window and every page of its edit window as PNG files.
void saveScreenshots(CTzAmpView* view, CEditWindow* window, const QString& prefix) {
    const QString folder = qEnvironmentVariable("KELO_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        return;
    }
    view->window()->grab().save(folder + QStringLiteral("/amp-unit-window.png"));
    window->resize(900, 640);
    for (int page = 0; page < window->sheet()->pageCount(); ++page) {
        window->sheet()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        QString name = window->sheet()->tabText(page).toLower();
        name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('+'), QStringLiteral("and"));
        name.replace(QLatin1Char(' '), QLatin1Char('-'));
        window->grab().save(QStringLiteral("%1/amp-%2-%3.png").arg(folder, prefix, name));
    }
}

/// The value a simulated unit last received at an address, or -1.
int received(const sim::Simulator& simulator, std::uint8_t block, std::uint8_t index, std::uint8_t offset) {
    const auto parameters = simulator.unit(0).parameters;
    const auto found = parameters.find(sim::ParameterAddress{block, index, offset});
    return found == parameters.end() ? -1 : found->second;
}

} // namespace

class AmpWindowsTest : public QObject {
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

    void sheetPagesFollowGangingAndButtonsOpenTheirPage() {
        m_app->OpenSystemFile(writeAmpSystem(m_dir.filePath("ganged.kle"), true));
        CSystemDoc* document = m_app->documents()->documents().front();
        auto* view = qobject_cast<CTzAmpView*>(document->unitFrames().front()->view());
        QVERIFY(view != nullptr);
        QCOMPARE(view->block(AmpBlock::Hum, 0)->text(), QStringLiteral("Hum"));

        view->block(AmpBlock::MultiComp, 1)->click();
        CEditWindow* window = view->editWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Stage Left"));
        QCOMPARE(window->sheet()->pageTitles(), QStringList({"HumCanc A+B", "Gate A+B", "MComp A+B", "Delay",
                                                             "Ch A+B", "Gain/Comp", "Global"}));
        QCOMPARE(window->sheet()->currentIndex(), 2);
        QCOMPARE(window->buttonBox()->buttons().size(), 1);
        QCOMPARE(window->buttonBox()->buttons().front()->text(), QStringLiteral("Store"));
        window->findChild<QPushButton*>(QStringLiteral("sheetStoreButton"))->click();
        QTRY_VERIFY(view->editWindow() == nullptr);

        const std::uint32_t key = document->system().units().front()->key();
        document->editor().setField(key, FieldRef{Field::Ganging, 0, 0}, 0);
        view->block(AmpBlock::Eq, 1)->click();
        window = view->editWindow();
        QCOMPARE(window->sheet()->pageTitles(),
                 QStringList({"HumCanc A", "HumCanc B", "Gate A", "Gate B", "MComp A", "MComp B", "Delay",
                              "Ch A", "Ch B", "Gain/Comp", "Global"}));
        QCOMPARE(window->sheet()->currentIndex(), 8);
        auto* channel = pageOf<CTzAmpOutputPage>(window);
        QVERIFY(channel != nullptr);
        QCOMPARE(channel->channel(), 1);
        saveScreenshots(view, window, QStringLiteral("page"));
        window->reject();
    }

    void fieldsShowTheirScalesAndKeepTheirRanges() {
        m_app->OpenSystemFile(writeAmpSystem(m_dir.filePath("ranges.kle"), true));
        CSystemDoc* document = m_app->documents()->documents().front();
        auto* view = qobject_cast<CTzAmpView*>(document->unitFrames().front()->view());
        view->block(AmpBlock::Hum, 0)->click();
        auto* hum = pageOf<CTzAmpHumPage>(view->editWindow());
        QVERIFY(hum != nullptr);
        QCOMPARE(hum->panel()->field(CHumPanel::Frequency)->text(), QStringLiteral("50.0Hz"));

        view->editWindow()->sheet()->setCurrentIndex(2);
        auto* comp = pageOf<CTzAmpDynBoostPage>(view->editWindow());
        CSpinEdit* high = comp->panel()->field(CMultiCompPanel::HighFrequency);
        CSpinEdit* low = comp->panel()->field(CMultiCompPanel::LowFrequency);
        QCOMPARE(high->scale().maxIndex, 18);
        QCOMPARE(low->scale().maxIndex, 24);
        // Typed beyond the range, the field takes its last index and the record follows.
        high->findChild<QLineEdit*>()->setText(QStringLiteral("20000"));
        QVERIFY(high->applyText());
        low->stepBy(100);
        const AmpUnit* amp = document->system().units().front()->amp();
        QCOMPARE(amp->live.comp[0].word(1), 18u);
        QCOMPARE(amp->live.comp[0].word(7), 24u);
        QCOMPARE(amp->live.comp[1].word(7), 24u);
        view->editWindow()->reject();
    }

    void editsReachTheSimulatedUnitAtTheirAddresses() {
        sim::SimOptions options;
        options.family = Family::TzAmp;
        options.ids = {0};
        sim::Simulator simulator(options);
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        m_app->OpenSystemFile(writeAmpSystem(m_dir.filePath("online.kle"), true));
        CSystemDoc* document = m_app->documents()->documents().front();
        confirmScanWhenDone();
        m_app->mainFrame()->action(action_names::kOnOffLine)->trigger();
        QVERIFY(document->isOnLine());
        const AmpUnit* amp = document->system().units().front()->amp();
        auto* view = qobject_cast<CTzAmpView*>(document->unitFrames().front()->view());

        // Ganged: the low-band ratio "4.0" of A is stored for both channels and sent to both.
        view->block(AmpBlock::MultiComp, 0)->click();
        auto* comp = pageOf<CTzAmpDynBoostPage>(view->editWindow());
        QComboBox* ratio = comp->panel()->ratioList(CompressorBand::Low);
        ratio->setCurrentIndex(ratio->findText(QStringLiteral("4.0")));
        emit ratio->activated(ratio->currentIndex());
        QCOMPARE(amp->live.comp[0].word(10), 8u);
        QCOMPARE(amp->live.comp[1].word(10), 8u);
        QTRY_COMPARE(received(simulator, 0x1E, 0, 0x48), 8);
        QTRY_COMPARE(received(simulator, 0x1E, 1, 0x48), 8);

        // By-pass: the record holds the by-pass flag, the unit is sent 1 - by-pass.
        view->editWindow()->sheet()->setCurrentIndex(0);
        CBypassButton* bypass = pageOf<CTzAmpHumPage>(view->editWindow())->panel()->bypassButton();
        QVERIFY(bypass->isBypassed());
        bypass->click();
        QCOMPARE(amp->live.humBypass(0), 0u);
        QCOMPARE(amp->live.humBypass(1), 0u);
        QTRY_COMPARE(received(simulator, 0x22, 0, 0xF8), 1);
        QTRY_COMPARE(received(simulator, 0x22, 1, 0xF8), 1);
        bypass->click();
        QCOMPARE(amp->live.humBypass(0), 1u);
        QTRY_COMPARE(received(simulator, 0x22, 1, 0xF8), 0);

        // The EQ switch: rows 1-5 edit bands 1..5 on block 0x3C, rows 6-10 bands 6..10 on their blocks.
        view->editWindow()->sheet()->setCurrentIndex(4);
        auto* channel = pageOf<CTzAmpOutputPage>(view->editWindow());
        struct Expected {
            int band; ///< 1-based
            bool frequency;
            int index;
            std::uint8_t block, offset;
        };
        const Expected table[] = {
            {1, true, 40, 0x3C, 136}, {2, true, 100, 0x3C, 104}, {5, true, 20, 0x3C, 8},
            {5, true, 90, 0x3C, 8},   {6, true, 36, 0x3A, 0x08}, {10, true, 150, 0x11, 0x08},
        };
        for (const Expected& row : table) {
            channel
                ->findChild<QRadioButton*>(row.band <= 5 ? QStringLiteral("eqLowBankButton")
                                                         : QStringLiteral("eqHighBankButton"))
                ->click();
            QCOMPARE(channel->graph()->hasHandle(row.band - 1), true);
            QCOMPARE(channel->graph()->hasHandle(row.band <= 5 ? 5 : 0), false);
            CEqBandRow* bandRow = channel->bandRow(row.band - 1);
            QVERIFY(bandRow->isVisible());
            CSpinEdit* field = row.frequency ? bandRow->frequencyField() : bandRow->gainField();
            field->setIndex(row.index - 1);
            field->stepBy(1);
            const EqBand& band = amp->live.outputs[1].bands[static_cast<std::size_t>(row.band - 1)];
            QCOMPARE(row.frequency ? band.frequency : band.gain, static_cast<std::uint32_t>(row.index));
            QTRY_COMPARE(received(simulator, row.block, 196, row.offset), row.index);
            QTRY_COMPARE(received(simulator, row.block, 197, row.offset), row.index);
        }
        view->editWindow()->reject();
        m_app->online()->goOffLine(*document);
    }

private:
    FastClock m_clock{10};
    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(AmpWindowsTest)
#include "AmpWindowsTest.moc"
