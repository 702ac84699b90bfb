#include "tests/gui/support/GuiTestSupport.h"

#include "gui/frame/CMainFrame.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace kelo::gui;

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTest(); }

    void statusPaneShowsOffLineAtStartAndRedWhileOnLine() {
        CMainFrame frame;
        QCOMPARE(frame.onLineStatusText(), QStringLiteral("\nStatus: OFF Line"));
        const QColor normal = frame.statusBar()->palette().color(QPalette::Window);

        frame.SetOnLineStatus(true);
        QCOMPARE(frame.onLineStatusText(), QStringLiteral("\nStatus: ON Line"));
        QCOMPARE(frame.statusBar()->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(frame.statusBar()->autoFillBackground());

        frame.SetOnLineStatus(false);
        QCOMPARE(frame.onLineStatusText(), QStringLiteral("\nStatus: OFF Line"));
        QCOMPARE(frame.statusBar()->palette().color(QPalette::Window), normal);
    }

    void documentCommandsWaitForADocument() {
        CMainFrame frame;
        QStringList menus;
        for (QAction* item : frame.menuBar()->actions()) {
            if (item->isVisible()) {
                menus << item->text();
            }
        }
        QCOMPARE(menus, (QStringList{"&File", "&View", "&Help"}));
        QVERIFY(!frame.action(action_names::kFileClose)->isVisible());
        QVERIFY(!frame.action(action_names::kOnLine)->isEnabled());
        QVERIFY(!frame.action(action_names::kOffLine)->isEnabled());
        QVERIFY(frame.action(action_names::kFileNew)->isEnabled());
        QVERIFY(frame.activeDocument() == nullptr);
    }

    void recentFileEntriesShowAtMostEight() {
        CMainFrame frame;
        QStringList paths;
        for (int i = 0; i < 10; ++i) {
            paths << QStringLiteral("/tmp/system%1.kle").arg(i);
        }
        frame.setRecentFiles(paths);
        QCOMPARE(frame.recentFiles().size(), 8);
        QString chosen;
        connect(&frame, &CMainFrame::recentFileRequested, this, [&](const QString& path) { chosen = path; });
        frame.findChild<QAction*>(QStringLiteral("actionRecentFile2"))->trigger();
        QCOMPARE(chosen, QStringLiteral("/tmp/system1.kle"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
