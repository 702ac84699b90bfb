#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SettingsStore.h"
#include "core/app/SystemFile.h"
#include "core/comm/images/ProcessorImage.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/online/CNetworkScanDlg.h"
#include "gui/online/COnlineController.h"
#include "gui/program/CProgramBar.h"
#include "gui/program/CProgramNameDlg.h"
#include "gui/program/CProgramProgressDlg.h"
#include "gui/units/shared/CEditWindow.h"
#include "gui/view/CT48View.h"
#include "sim/Simulator.h"
#include "tests/support/RecordingClock.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

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

QStringList labels(const CProgramBar& bar) {
    QStringList result;
    for (int k = 0; k < 12; ++k) {
        result << bar.locationButton(k)->text();
    }
    return result;
}

QStringList numbers(int from, int to) {
    QStringList result;
    for (int n = from; n <= to; ++n) {
        result << QString::number(n);
    }
    return result;
}

QPushButton* armButton(CProgramBar& bar, const char* name) {
    return bar.findChild<QPushButton*>(QString::fromLatin1(name));
}

// Rejects the name dialog should it open, and tells whether it did.
std::shared_ptr<bool> watchForUnexpectedDialog() {
    auto opened = std::make_shared<bool>(false);
    QTimer::singleShot(0, [opened] {
        if (auto* dialog = qobject_cast<CProgramNameDlg*>(QApplication::activeModalWidget())) {
            *opened = true;
            dialog->reject();
        }
    });
    return opened;
}

} // namespace

class ProgramBarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        gui::test::prepareGuiTest();
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
        closeEditWindow();
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void labelsAndColoursAtBothEnds_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("factory");
        QTest::addColumn<int>("user");
        QTest::newRow("tz48") << Family::Tz48 << 10 << 64;
        QTest::newRow("tz48p") << Family::Tz48P << 1 << 64;
        QTest::newRow("amp") << Family::TzAmp << 1 << 32;
    }

    void labelsAndColoursAtBothEnds() {
        QFETCH(Family, family);
        QFETCH(int, factory);
        QFETCH(int, user);
        CSystemDoc& document = open(family, {1});
        Unit& unit = *document.system().units()[0];
        unit.visit([&](auto& record) { record.programs[static_cast<std::size_t>(user - 1)].used = 1; });
        CProgramBar& bar = makeBar(document);

        bar.setFirstVisible(0);
        QCOMPARE(labels(bar), numbers(1, factory) + numbers(1, 12 - factory));
        // A new unit stands on factory program 1: highlighted.
        QCOMPARE(bar.locationColour(0), CProgramBar::kCurrentColour);
        for (int k = 1; k < 12; ++k) {
            QCOMPARE(bar.locationColour(k),
                     k < factory ? CProgramBar::kFactoryColour : CProgramBar::kEmptyColour);
        }
        bar.setFirstVisible(1000);
        QCOMPARE(bar.firstVisible(), static_cast<std::uint32_t>(factory + user - 12));
        QCOMPARE(labels(bar), numbers(user - 11, user));
        QCOMPARE(bar.locationColour(10), CProgramBar::kEmptyColour);
        QCOMPARE(bar.locationColour(11), CProgramBar::kUsedColour);
        QCOMPARE(bar.findChild<QLineEdit*>(QStringLiteral("presetLineEdit"))->text(),
                 QString::fromStdString(programNameText(unit.visit([](auto& r) { return r.live.name; }))));

        // Total Lock greys the bar out.
        CGeneralSettings settings = m_app->settings();
        settings.lock = static_cast<int>(LockLevel::TotalLock);
        m_app->setSettings(settings);
        bar.refresh();
        QVERIFY(!bar.isEnabled());
    }

    void storeAsksForANameAndWarnsBeforeOverwriting() {
        CSystemDoc& document = open(Family::Tz48, {2});
        Unit& unit = *document.system().units()[0];
        ProcessorUnit& record = *unit.processor();
        record.live.sumDelayMm = 1200;
        CProgramBar& bar = makeBar(document);
        bar.setFirstVisible(10); // button 5 is user location 5, shown 6
        QPushButton* store = armButton(bar, "storeButton");

        // A factory location is ignored, Store stays armed.
        bar.setFirstVisible(0);
        store->click();
        auto opened = watchForUnexpectedDialog();
        bar.locationButton(3)->click();
        QCoreApplication::processEvents();
        QVERIFY(!*opened);
        QVERIFY(store->isChecked());
        QCOMPARE(record.programs[3].used, 0u);

        bar.setFirstVisible(10);
        QString title;
        bool warningShown = true;
        gui::test::onNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            warningShown = dialog.findChild<QLabel*>(QStringLiteral("warningLabel"))->isVisible();
            dialog.findChild<QLineEdit*>(QStringLiteral("programNameLineEdit"))
                ->setText(QStringLiteral("Front"));
            dialog.accept();
        });
        bar.locationButton(5)->click();
        QCOMPARE(title, QStringLiteral("Save Program to Location 6 - USER"));
        QVERIFY(!warningShown);
        QVERIFY(!store->isChecked());
        QCOMPARE(record.programs[5].used, 1u);
        QCOMPARE(record.programs[5].sumDelayMm, 1200u);
        QCOMPARE(programNameText(record.programs[5].name), std::string("Front"));
        QCOMPARE(unit.currentProgram(), 15u);
        QCOMPARE(bar.locationColour(5), CProgramBar::kCurrentColour);
        QVERIFY(document.unitFrames().front()->windowTitle().contains(QStringLiteral("06U.Front")));
        // KELO_SCREENSHOT_DIR=docs/screenshots keeps a picture of the bar for the README.
        if (const QString folder = qEnvironmentVariable("KELO_SCREENSHOT_DIR"); !folder.isEmpty()) {
            record.programs[7].used = 1;
            bar.refresh();
            bar.setFirstVisible(6);
            bar.resize(bar.sizeHint());
            QVERIFY(bar.grab().save(folder + QStringLiteral("/program-bar.png")));
            QVERIFY(bar.window()->grab().save(folder + QStringLiteral("/edit-window-program-bar.png")));
            bar.setFirstVisible(10);
        }

        record.live.sumDelayMm = 99;
        store->click();
        QString name;
        gui::test::onNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            auto* warning = dialog.findChild<QLabel*>(QStringLiteral("warningLabel"));
            warningShown =
                warning->isVisible() && warning->text() == QStringLiteral("Warning! Overwrite Program?");
            name = dialog.findChild<QLineEdit*>(QStringLiteral("programNameLineEdit"))->text();
            dialog.reject();
        });
        bar.locationButton(5)->click();
        QCOMPARE(title, QStringLiteral("Overwrite Program to Location 6 - USER"));
        QVERIFY(warningShown);
        QCOMPARE(name, QStringLiteral("Front"));
        QCOMPARE(record.programs[5].sumDelayMm, 1200u);
        QVERIFY(!store->isChecked());
    }

    void recallOfAnEmptyLocationAndThePlusRefusal() {
        for (const Family family : {Family::Tz48P, Family::Tz48}) {
            CSystemDoc& document = open(family, {1});
            ProcessorUnit& record = *document.system().units()[0]->processor();
            const int first = family == Family::Tz48 ? 10 : 1;
            record.live.inputGanging() = 1;
            record.programs[0].used = 1;
            record.programs[0].routingMode = 5; // mono: forbids ganging
            record.programs[0].sumDelayMm = 777;
            const LiveParams before = record.live;
            CProgramBar& bar = makeBar(document);
            bar.setFirstVisible(static_cast<std::uint32_t>(first));
            QPushButton* recall = armButton(bar, "recallButton");

            recall->click();
            bar.locationButton(1)->click(); // user location 1: empty
            QVERIFY(!recall->isChecked());
            QCOMPARE(record.live.currentProgram(), before.currentProgram());

            Dialogs::clearShown();
            recall->click();
            bar.locationButton(0)->click();
            if (family == Family::Tz48P) {
                QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
                QCOMPARE(
                    Dialogs::shownMessages().front().text,
                    QStringLiteral("You are trying to load a MONO CONFIGURATION\nwith the GANGING option "
                                   "enabled.\nIf you want to load a MONO CONFIGURATION\nyou need first to "
                                   "DISABLE the INPUT\nand OUTPUT GANGING option in the\nMODIFY UNIT window "
                                   "(ACTIONS menu)."));
                QCOMPARE(Dialogs::shownMessages().front().icon, MessageIcon::Exclamation);
                QCOMPARE(record.live.sumDelayMm, before.sumDelayMm);
                QCOMPARE(record.live.currentProgram(), before.currentProgram());
            } else {
                QVERIFY(Dialogs::shownMessages().empty());
                QCOMPARE(record.live.sumDelayMm, 777u);
                QCOMPARE(record.live.currentProgram(), 10u);
                QCOMPARE(bar.locationColour(0), CProgramBar::kCurrentColour);
            }
            closeEditWindow();
        }
    }

    void linkedRecallOnLineSendsEveryUnitWithItsPause() {
        sim::SimOptions options;
        options.family = Family::Tz48;
        options.ids = {0, 3, 4};
        sim::Simulator simulator(options);
        m_app->online()->setPortDeviceOverride(0, simulator.devicePath());
        CSystemDoc& document = open(Family::Tz48, {1, 4, 5});
        CGeneralSettings settings = m_app->settings();
        settings.link = 1;
        m_app->setSettings(settings);
        goOnLine(document);

        ProcessorUnit& record = *document.system().units()[0]->processor();
        record.programs[40].used = 1;
        record.programs[40].routingMode = 3;
        record.programs[40].sumDelayMm = 5150;
        CProgramBar& bar = makeBar(document);
        const QString routingBefore = document.unitFrames().back()->view()->routingText();
        bar.setFirstVisible(45); // button 5: user location 40, shown 41
        QSignalSpy done(&bar, &CProgramBar::programDone);
        const std::size_t mark = m_clock.mark();
        armButton(bar, "recallButton")->click();
        bar.locationButton(5)->click();

        // The document changed at once; the line work runs behind the progress dialog.
        for (const auto& unit : document.system().units()) {
            QCOMPARE(unit->currentProgram(), 50u);
        }
        QVERIFY(document.unitFrames().back()->windowTitle().contains(QStringLiteral("41U")));
        for (CUnitChildFrame* frame : document.unitFrames()) {
            QVERIFY(frame->view()->routingText() != routingBefore);
        }
        QTRY_VERIFY(done.count() == 1);
        QVERIFY(!bar.isSending());
        QVERIFY(bar.isEnabled());
        QVERIFY(qobject_cast<CProgramProgressDlg*>(QApplication::activeModalWidget()) == nullptr);
        QCOMPARE(m_clock.pausesSince(mark, 1000), (std::vector<long long>{2500, 2500, 2500}));
        for (std::uint8_t id : {0, 3, 4}) {
            LiveParams sent;
            processor_image::decodeSettings(simulator.unit(id).settingsImage, sent, Family::Tz48);
            QCOMPARE(sent.sumDelayMm, 5150u);
            QCOMPARE(sent.currentProgram(), 50u);
        }
        m_app->online()->goOffLine(document);
    }

private:
    CSystemDoc& open(Family family, const std::vector<int>& ids) {
        const QString path = m_dir.filePath(QStringLiteral("system%1.kle").arg(++m_files));
        m_app->OpenSystemFile(writeSystem(path, family, ids));
        return *m_app->documents()->documents().back();
    }

    // The bar as the user meets it: in the edit window of the document's first unit.
    CProgramBar& makeBar(CSystemDoc& document) {
        closeEditWindow();
        CEditWindow* window = document.unitFrames().front()->view()->openEditWindow(0);
        m_bar = window != nullptr ? window->findChild<CProgramBar*>() : nullptr;
        Q_ASSERT(m_bar);
        return *m_bar;
    }

    void closeEditWindow() {
        if (m_bar) {
            qobject_cast<QDialog*>(m_bar->window())->accept();
        }
        m_bar = nullptr;
    }

    void goOnLine(CSystemDoc& document) {
        gui::test::onNextModal([](QDialog& dialog) {
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
        m_app->online()->goOnLine(document);
        QVERIFY(document.isOnLine());
    }

    kelo::test::RecordingClock m_clock;
    QTemporaryDir m_dir;
    int m_files = 0;
    std::unique_ptr<CEditorApp> m_app;
    QPointer<CProgramBar> m_bar;
};

QTEST_MAIN(ProgramBarTest)
#include "ProgramBarTest.moc"
