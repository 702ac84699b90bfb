#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/FamilyMagic.h"
#include "core/app/SystemFile.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CStartDlg.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/doc/CUnitDlg.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/view/CT48View.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace kelo;
using namespace kelo::gui;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

/// Clicks a dialog's OK button.
void accept(QDialog& dialog) {
    dialog.accept();
}

/// Fills the unit dialog and presses OK.
void fillUnitDialog(QDialog& dialog, const QString& name, int id) {
    dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(name);
    dialog.findChild<QSpinBox*>(QStringLiteral("idSpinBox"))->setValue(id);
    accept(dialog);
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTest(); }

    void init() {
        Dialogs::setScripted(true);
        m_app = std::make_unique<CEditorApp>();
        QVERIFY(m_app->InitInstance(StartOptions{{}, false}));
        Dialogs::clearShown();
    }

    void cleanup() {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void opensByMagicWhateverTheName() {
        const QString path = test::writeSystem(m_dir.filePath("system.dat"), Family::TzAmp, {3, 5});
        QVERIFY(!path.isEmpty());
        m_app->OpenSystemFile(path);
        QCOMPARE(docs().size(), std::size_t{1});
        CSystemDoc* document = docs().front();
        QCOMPARE(document->family(), Family::TzAmp);
        QCOMPARE(document->unitFrames().size(), std::size_t{2});
        QCOMPARE(document->unitFrames().front()->windowTitle(),
                 QStringLiteral("Speaker1 < ID:3 >  -  Preset: 01F. *Default*  "));
        QCOMPARE(document->unitFrames().front()->size(), QSize(632, 397));
        QVERIFY(!(document->unitFrames().front()->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_app->recentFiles().paths().value(0), QFileInfo(path).canonicalFilePath());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void refusesFilesWithoutAFullMagic() {
        const QString good = test::writeSystem(m_dir.filePath("good.kle"), Family::Tz48, {1});
        QByteArray bytes = readBytes(good);
        bytes[21] = 'x';
        writeBytes(m_dir.filePath("21.kle"), bytes);
        writeBytes(m_dir.filePath("short.kle"), readBytes(good).left(21));
        writeBytes(m_dir.filePath("empty.kle"), {});
        for (const char* name : {"21.kle", "short.kle", "empty.kle"}) {
            Dialogs::clearShown();
            m_app->OpenSystemFile(m_dir.filePath(name));
            QCOMPARE(test::lastMessage(), QStringLiteral("Unexpected File Format"));
            QCOMPARE(Dialogs::shownMessages().back().icon, MessageIcon::Exclamation);
        }
        QVERIFY(docs().empty());
    }

    void damagedFileLeavesOpenSystemsAlone() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("a.kle"), Family::Tz48, {1, 2}));
        QByteArray damaged = readBytes(m_dir.filePath("a.kle"));
        damaged.chop(500);
        writeBytes(m_dir.filePath("damaged.kle"), damaged);

        m_app->OpenSystemFile(m_dir.filePath("damaged.kle"));
        QCOMPARE(test::lastMessage(), QStringLiteral("Unexpected file format."));
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QCOMPARE(docs().size(), std::size_t{1});
        QCOMPARE(docs().front()->unitFrames().size(), std::size_t{2});
        QCOMPARE(docs().front()->system().unitCount(), std::size_t{2});
    }

    void openingReplacesTheOldestSystemOfTheFamily() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("first.kle"), Family::Tz48, {1}));
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("plus.kle"), Family::Tz48P, {1}));
        CSystemDoc* first = docs().front();

        Dialogs::pushMessageAnswer(QMessageBox::Cancel);
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("second.kle"), Family::Tz48, {4, 5}));
        QCOMPARE(test::lastMessage(), QStringLiteral("Save changes to first.kle?"));
        QCOMPARE(Dialogs::shownMessages().back().buttons,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(docs().size(), std::size_t{2});
        QCOMPARE(docs().front(), first);
        QVERIFY(!first->isModified());

        Dialogs::pushMessageAnswer(QMessageBox::No);
        m_app->OpenSystemFile(m_dir.filePath("second.kle"));
        QCOMPARE(docs().size(), std::size_t{2});
        QCOMPARE(docs().front()->family(), Family::Tz48P);
        QCOMPARE(docs().back()->system().unitCount(), std::size_t{2});
    }

    void newUnitRefusesAnIdentifierInUse() {
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            chooser.findChild<QPushButton*>(QStringLiteral("newUnitButton"))->click();
            test::onNextModal<CUnitDlg>(
                [](CUnitDlg& unit) { fillUnitDialog(unit, QStringLiteral("Left"), 1); });
        });
        CSystemDoc* document = m_app->documents()->newDocument(Family::Tz48);
        QVERIFY(document != nullptr);
        QCOMPARE(document->title(), QStringLiteral("KlE1"));

        test::onNextModal<CUnitDlg>([](CUnitDlg& unit) {
            QCOMPARE(unit.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(),
                     QStringLiteral("Device2"));
            fillUnitDialog(unit, QStringLiteral("Right"), 1);
            test::onNextModal([](QDialog& again) {
                QCOMPARE(again.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text(),
                         QStringLiteral("Right"));
                fillUnitDialog(again, QStringLiteral("Right"), 2);
            });
        });
        m_app->mainFrame()->action(action_names::kNewUnit)->trigger();
        QVERIFY(test::messageShown(QStringLiteral("ID must be different\n for each device")));
        QCOMPARE(document->system().unitCount(), std::size_t{2});
        QCOMPARE(document->system().units().back()->busId(), 1u);
        QCOMPARE(document->unitFrames().back()->windowTitle().left(16), QStringLiteral("Right < ID:2 >  "));
    }

    void modifyUnitInARoutingModeWithoutGanging() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("mode3.kle"), Family::Tz48, {1, 2}, 3));
        CSystemDoc* document = docs().front();
        bool boxesDisabled = false;
        test::onNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Modify Unit"));
            boxesDisabled =
                !dialog.findChild<QCheckBox*>(QStringLiteral("inputGangingCheckBox"))->isEnabled() &&
                !dialog.findChild<QCheckBox*>(QStringLiteral("outputGangingCheckBox"))->isEnabled();
            dialog.findChild<QCheckBox*>(QStringLiteral("outputGangingCheckBox"))->setChecked(true);
            fillUnitDialog(dialog, QStringLiteral("Sub"), 2);
            test::onNextModal([](QDialog& again) { fillUnitDialog(again, QStringLiteral("Sub"), 1); });
        });
        document->ModifyUnit(document->unitFrames().front()->unitKey());
        QVERIFY(boxesDisabled);
        QVERIFY(test::messageShown(QStringLiteral("ID must be different\n for each device")));
        const Unit& unit = *document->system().units().front();
        QCOMPARE(QString::fromStdU16String(unit.name()), QStringLiteral("Sub"));
        QCOMPARE(unit.busId(), 0u);
        QCOMPARE(unit.processor()->live.outputGanging(), 0u);
        QVERIFY(document->unitFrames().front()->windowTitle().startsWith(QStringLiteral("Sub < ID:1 >")));
    }

    void closingAUnitWindowDeletesTheUnit() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("two.kle"), Family::Tz48, {1, 2}));
        CSystemDoc* document = docs().front();
        Dialogs::pushMessageAnswer(QMessageBox::Cancel);
        QVERIFY(!document->unitFrames().front()->close());
        QCOMPARE(test::lastMessage(), QStringLiteral("Are You Sure To Delete Unit Speaker1 ?"));
        QCOMPARE(Dialogs::shownMessages().back().icon, MessageIcon::Question);
        QCOMPARE(document->system().unitCount(), std::size_t{2});

        QVERIFY(document->unitFrames().front()->close());
        QCOMPARE(document->system().unitCount(), std::size_t{1});
        QCOMPARE(document->system().lastUnitKey(), 1u);
        QVERIFY(document->unitFrames().back()->close());
        QTRY_VERIFY(docs().empty());
    }

    void fileCloseAsksAndSaveAsWritesTheSameBytes() {
        const QString path = test::writeSystem(m_dir.filePath("three.kle"), Family::Tz48, {1, 2, 3});
        m_app->OpenSystemFile(path);
        CSystemDoc* document = docs().front();

        Dialogs::pushFileAnswer(m_dir.filePath("copy"));
        m_app->mainFrame()->action(action_names::kFileSaveAs)->trigger();
        QCOMPARE(Dialogs::shownFileDialogs().back().filter,
                 QStringLiteral("Kelo Editor files (*.kle);;All files (*.*)"));
        QCOMPARE(readBytes(m_dir.filePath("copy.kle")), readBytes(path));
        QCOMPARE(document->title(), QStringLiteral("copy.kle"));

        Dialogs::pushMessageAnswer(QMessageBox::Cancel);
        m_app->mainFrame()->action(action_names::kFileClose)->trigger();
        QCOMPARE(test::lastMessage(), QStringLiteral("Save changes to copy.kle?"));
        QCOMPARE(docs().size(), std::size_t{1});
        QVERIFY(!document->isModified());

        Dialogs::pushMessageAnswer(QMessageBox::No);
        m_app->mainFrame()->action(action_names::kFileClose)->trigger();
        QVERIFY(docs().empty());
    }

    void failedSaveKeepsTheSystemOpen() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("keep.kle"), Family::Tz48, {1}));
        CSystemDoc* document = docs().front();
        Dialogs::pushMessageAnswer(QMessageBox::Yes);
        Dialogs::pushFileAnswer(m_dir.filePath("no-such-folder/keep.kle"));
        document->setPath(QString());
        m_app->mainFrame()->action(action_names::kFileClose)->trigger();
        QVERIFY(test::lastMessage().startsWith(QStringLiteral("Cannot write file")));
        QCOMPARE(docs().size(), std::size_t{1});
        QVERIFY(!QFile::exists(m_dir.filePath("no-such-folder/keep.kle")));
    }

    void amplifierGangingIsOneBox() {
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            chooser.findChild<QPushButton*>(QStringLiteral("newUnitButton"))->click();
            test::onNextModal<CUnitDlg>([](CUnitDlg& unit) {
                QVERIFY(unit.findChild<QCheckBox*>(QStringLiteral("outputGangingCheckBox")) == nullptr);
                QCOMPARE(unit.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->maxLength(), 40);
                unit.findChild<QCheckBox*>(QStringLiteral("gangingCheckBox"))->setChecked(true);
                fillUnitDialog(unit, QStringLiteral("Amp"), 7);
            });
        });
        CSystemDoc* document = m_app->documents()->newDocument(Family::TzAmp);
        QVERIFY(document != nullptr);
        const AmpUnit* amp = document->system().units().front()->amp();
        QVERIFY(amp != nullptr);
        QCOMPARE(amp->live.ganging(), 1u);
        QCOMPARE(amp->live.busId(), 6u);
        QVERIFY(document->unitFrames().front()->windowTitle().startsWith(QStringLiteral("Amp < ID:7 >")));
    }

    void exitAsksAboutTheActiveSystemOnlyWhenNothingWasEdited() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("x.kle"), Family::Tz48, {1}));
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("y.kle"), Family::TzAmp, {1}));
        Dialogs::pushMessageAnswer(QMessageBox::Cancel);
        QVERIFY(!m_app->mainFrame()->close());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QCOMPARE(test::lastMessage(), QStringLiteral("Save changes to y.kle?"));
        QCOMPARE(docs().size(), std::size_t{2});

        Dialogs::pushMessageAnswer(QMessageBox::No);
        QVERIFY(m_app->mainFrame()->close());
        QVERIFY(docs().empty());
    }

    void plusSystemsTakeOneUnitByHand() {
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            chooser.findChild<QPushButton*>(QStringLiteral("newUnitButton"))->click();
            test::onNextModal<CUnitDlg>([](CUnitDlg& unit) {
                QVERIFY(!unit.findChild<QSpinBox*>(QStringLiteral("idSpinBox"))->isVisibleTo(&unit));
                accept(unit);
            });
        });
        CSystemDoc* document = m_app->documents()->newDocument(Family::Tz48P);
        QVERIFY(document != nullptr);
        QCOMPARE(document->system().units().front()->busId(), 0u);
        QCOMPARE(document->unitFrames().front()->windowTitle(),
                 QStringLiteral("Device1  -  Preset: 01F.**PRESET 1**"));
        // The menu has no New Unit; the toolbar keeps its button, disabled, so nothing shifts.
        QVERIFY(!m_app->mainFrame()->action(action_names::kNewUnit)->isVisible());
        auto* button = m_app->mainFrame()->findChild<QAction*>(QStringLiteral("actionToolBarNewUnit"));
        QVERIFY(button->isVisible());
        QVERIFY(!button->isEnabled());
        QCOMPARE(m_app->mainFrame()->windowTitle(), QStringLiteral("Kelo Editor - KlE1[*]"));
    }

    void plusModifyKeepsTheHiddenIdentifier() {
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("plus5.kle"), Family::Tz48P, {5}));
        CSystemDoc* document = docs().front();
        test::onNextModal([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Fill"));
            dialog.findChild<QSpinBox*>(QStringLiteral("idSpinBox"))->setValue(1);
            accept(dialog);
        });
        document->ModifyUnit(document->unitFrames().front()->unitKey());
        QCOMPARE(document->system().units().front()->busId(), 4u);
        QCOMPARE(QString::fromStdU16String(document->system().units().front()->name()),
                 QStringLiteral("Fill"));
    }

    void cancelledChooserCreatesNothing() {
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) { chooser.reject(); });
        QVERIFY(m_app->documents()->newDocument(Family::TzAmp) == nullptr);
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            chooser.findChild<QPushButton*>(QStringLiteral("newUnitButton"))->click();
            test::onNextModal<CUnitDlg>([](CUnitDlg& unit) { unit.reject(); });
        });
        QVERIFY(m_app->documents()->newDocument(Family::TzAmp) == nullptr);
        QVERIFY(docs().empty());
        QVERIFY(m_app->mainFrame()->mdiArea()->subWindowList().isEmpty());
    }

    void missingRecentFileIsReportedAndDropped() {
        const QString path = test::writeSystem(m_dir.filePath("gone.kle"), Family::Tz48, {1});
        m_app->OpenSystemFile(path);
        QFile::remove(path);
        m_app->OpenDocumentFile(path);
        QVERIFY(test::lastMessage().contains(QStringLiteral("gone.kle")));
        QVERIFY(!m_app->recentFiles().paths().contains(QFileInfo(path).absoluteFilePath()));
        QCOMPARE(docs().size(), std::size_t{1});
    }

    void replacingASystemKeepsTheNameOfTheFileOpened() {
        // The recent-file entry chosen is rebuilt while the system it replaces is saved.
        const QString c = test::writeSystem(m_dir.filePath("c.kle"), Family::Tz48, {1});
        m_app->OpenSystemFile(c);
        Dialogs::pushMessageAnswer(QMessageBox::No);
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("a.kle"), Family::Tz48, {2}));
        m_app->OpenSystemFile(test::writeSystem(m_dir.filePath("b.kle"), Family::TzAmp, {3}));
        QCOMPARE(m_app->recentFiles().paths().size(), 3);
        QCOMPARE(m_app->mainFrame()->activeDocument()->family(), Family::TzAmp);

        Dialogs::pushMessageAnswer(QMessageBox::Yes);
        m_app->mainFrame()->findChild<QAction*>(QStringLiteral("actionRecentFile3"))->trigger();
        QCOMPARE(test::lastMessage(), QStringLiteral("Save changes to a.kle?"));
        QCOMPARE(docs().size(), std::size_t{2});
        CSystemDoc* opened = docs().back();
        QCOMPARE(opened->path(), QFileInfo(c).absoluteFilePath());
        QCOMPARE(opened->title(), QStringLiteral("c.kle"));
        QVERIFY(!m_app->recentFiles().paths().contains(QString()));
        QCOMPARE(m_app->recentFiles().paths().value(0), QFileInfo(c).canonicalFilePath());
    }

    void unreadableFileFromFileOpenIsReported() {
        // A folder cannot be read as a file, whoever runs the test.
        Dialogs::pushFileAnswer(m_dir.path());
        m_app->mainFrame()->action(action_names::kFileOpen)->trigger();
        QVERIFY(test::lastMessage().contains(QStringLiteral("Cannot open the file")));
        QVERIFY(docs().empty());
    }

    void startupFileThatCannotBeOpenedKeepsItsEntry() {
        const QString kept = test::writeSystem(m_dir.filePath("kept.kle"), Family::Tz48, {1});
        m_app->OpenSystemFile(kept);
        kelo::CGeneralSettings settings = m_app->settings();
        settings.autoLoad = 1;
        m_app->setSettings(settings);
        QCOMPARE(m_app->ExitInstance(), 0);
        m_app.reset();
        QVERIFY(QFile::rename(kept, kept + QStringLiteral(".away")));

        m_app = std::make_unique<CEditorApp>();
        QVERIFY(m_app->InitInstance(StartOptions{{}, false}));
        QVERIFY(Dialogs::shownMessages().empty());
        QVERIFY(docs().empty());
        QCOMPARE(m_app->recentFiles().paths().value(0), QFileInfo(kept).absoluteFilePath());
        QVERIFY(m_app->mainFrame()->statusBar()->currentMessage().contains(QStringLiteral("kept.kle")));
        QVERIFY(QFile::rename(kept + QStringLiteral(".away"), kept));
    }

    void identifierThirtyTwoIsAcceptedByNewAndModifyUnit() {
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) {
            chooser.findChild<QPushButton*>(QStringLiteral("newUnitButton"))->click();
            test::onNextModal<CUnitDlg>(
                [](CUnitDlg& unit) { fillUnitDialog(unit, QStringLiteral("Top"), 32); });
        });
        CSystemDoc* document = m_app->documents()->newDocument(Family::TzAmp);
        QVERIFY(document != nullptr);
        QCOMPARE(document->system().units().front()->busId(), 31u);
        test::onNextModal<CUnitDlg>([](CUnitDlg& unit) { fillUnitDialog(unit, QStringLiteral("Low"), 1); });
        m_app->mainFrame()->action(action_names::kNewUnit)->trigger();
        test::onNextModal<CUnitDlg>([](CUnitDlg& unit) {
            fillUnitDialog(unit, QStringLiteral("Low"), 32);
            test::onNextModal<CUnitDlg>([](CUnitDlg& again) { again.reject(); });
        });
        document->ModifyUnit(document->system().units().back()->key());
        QVERIFY(test::messageShown(QStringLiteral("ID must be different\n for each device")));
        QCOMPARE(document->system().units().back()->busId(), 0u);
        test::onNextModal<CUnitDlg>([](CUnitDlg& unit) { fillUnitDialog(unit, QStringLiteral("Top"), 32); });
        document->ModifyUnit(document->system().units().front()->key());
        QCOMPARE(document->system().units().front()->busId(), 31u);
    }

    void autoLoadOpensTheMostRecentFile() {
        const QString recent = test::writeSystem(m_dir.filePath("recent.kle"), Family::Tz48, {1});
        const QString named = test::writeSystem(m_dir.filePath("named.kle"), Family::TzAmp, {1});
        m_app->OpenSystemFile(recent);
        kelo::CGeneralSettings settings = m_app->settings();
        settings.autoLoad = 1;
        m_app->setSettings(settings);
        QCOMPARE(m_app->ExitInstance(), 0);
        m_app.reset();

        m_app = std::make_unique<CEditorApp>();
        QVERIFY(m_app->InitInstance(StartOptions{named, false}));
        QCOMPARE(docs().size(), std::size_t{1});
        QCOMPARE(docs().front()->family(), Family::Tz48);
    }

private:
    const std::vector<CSystemDoc*>& docs() const { return m_app->documents()->documents(); }

    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
