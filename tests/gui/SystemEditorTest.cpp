#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "core/edit/FieldCatalogue.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CMainFrame.h"

#include <QAction>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kelo;
using namespace kelo::gui;

namespace {

QString writeSystem(const QString& path, Family family, const std::vector<int>& ids, bool ganged) {
    UnitSystem system(family);
    for (const int id : ids) {
        system.addNewUnit(UnitSettings{u"Unit", id, ganged, ganged}, FactoryPrograms::shared());
    }
    return saveSystemFile(system, std::filesystem::path(path.toStdString())).ok() ? path : QString();
}

FieldRef fieldNamed(Family family, const char* name) {
    return *FieldCatalogue::of(family).parse(name);
}

} // namespace

class SystemEditorTest : public QObject {
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

    void anEditReachesEveryLinkedUnitAndUndoComesBackUnmodified() {
        CGeneralSettings settings = m_app->settings();
        settings.link = 1;
        m_app->setSettings(settings);
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("linked.kle"), Family::Tz48, {1, 2, 3}, true));
        CSystemDoc* document = m_app->documents()->documents().front();
        CSystemEditor& editor = document->editor();
        QSignalSpy changed(&editor, &CSystemEditor::fieldChanged);
        const FieldRef gain = fieldNamed(Family::Tz48, "output.3.gain");
        const std::uint32_t key = document->system().units().front()->key();
        const std::uint32_t before = *editor.value(key, gain);

        for (std::uint32_t value = 10; value <= 20; ++value) {
            QVERIFY(editor.setField(key, gain, value, EditOrigin::ChannelPage, 42));
        }
        QCOMPARE(changed.count(), 11 * 6); // three units, outputs 3 and 4 each
        QVERIFY(document->isModified());
        QVERIFY(m_app->mainFrame()->isWindowModified());
        for (const auto& unit : document->system().units()) {
            QCOMPARE(editor.value(unit->key(), FieldRef{Field::OutputGain, 3, 0}),
                     std::optional<std::uint32_t>(20));
        }
        QAction* undo = m_app->mainFrame()->action(action_names::kUndo);
        QCOMPARE(undo->text(), QStringLiteral("Undo Output 3 gain"));
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        undo->trigger();
        QCOMPARE(*editor.value(key, gain), before);
        QVERIFY(!document->isModified());
        QVERIFY(!undo->isEnabled());
        m_app->mainFrame()->action(action_names::kRedo)->trigger();
        QCOMPARE(*editor.value(key, gain), 20U);
        QVERIFY(document->isModified());

        // A whole-unit change clears the history.
        QSignalSpy replaced(&editor, &CSystemEditor::unitReplaced);
        editor.unitChangedOutside(key);
        QCOMPARE(replaced.count(), 1);
        QVERIFY(!editor.canUndo() && !editor.canRedo());
    }

    void muteFromTheGainPageStaysOnItsOutput() {
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("mute.kle"), Family::Tz48P, {1}, true));
        CSystemDoc* document = m_app->documents()->documents().front();
        const std::uint32_t key = document->system().units().front()->key();
        const FieldRef mute = fieldNamed(Family::Tz48P, "output.1.mute");
        document->editor().setField(key, mute, 1, EditOrigin::GainPage);
        QCOMPARE(*document->editor().value(key, FieldRef{Field::OutputMute, 1, 0}), 0U);
        document->editor().setField(key, mute, 1, EditOrigin::ChannelPage);
        QCOMPARE(*document->editor().value(key, FieldRef{Field::OutputMute, 1, 0}), 1U);
    }

    void exitAsksAboutTheActiveSystemAndEditedOthersOnly() {
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("edited.kle"), Family::Tz48, {1}, false));
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("untouched.kle"), Family::TzAmp, {1}, false));
        m_app->OpenSystemFile(writeSystem(m_dir.filePath("active.kle"), Family::Tz48P, {1}, false));
        const auto& documents = m_app->documents()->documents();
        CSystemDoc* edited = documents.front();
        edited->editor().setField(edited->system().units().front()->key(), FieldRef{Field::InputGain, 0, 0},
                                  5);
        m_app->mainFrame()->mdiArea()->setActiveSubWindow(
            m_app->mainFrame()->mdiArea()->subWindowList().back());

        Dialogs::pushMessageAnswer(QMessageBox::No);
        Dialogs::pushMessageAnswer(QMessageBox::Cancel);
        QVERIFY(!m_app->documents()->closeAllDocuments());
        const auto& shown = Dialogs::shownMessages();
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].text, QStringLiteral("Save changes to edited.kle?"));
        QCOMPARE(shown[1].text, QStringLiteral("Save changes to active.kle?"));
        // Cancel keeps the edits marked and the untouched systems unmarked.
        QVERIFY(edited->isModified());
        QVERIFY(!documents[1]->isModified());
        QVERIFY(!documents[2]->isModified());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(SystemEditorTest)
#include "SystemEditorTest.moc"
