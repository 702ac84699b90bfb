#include "tests/gui/support/GuiTestSupport.h"

#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/app/CRecentFileList.h"
#include "gui/app/EditorInfo.h"
#include "gui/app/QSettingsStore.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/doc/CStartDlg.h"
#include "gui/online/COnlineController.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kelo::gui;

class EditorAppTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTest(); }
    void init() {
        test::clearSettings();
        Dialogs::setScripted(true);
    }

    void missingPresetsAreToldAtTheFirstSystemOfTheFamily() {
        // The shared tables may have been read before the editor installed its message box (the demo
        // line builds its units first): the first system of the family still tells the user, once.
        kelo::FactoryPrograms::shared().setMessageHook({});
        kelo::FactoryPrograms::shared().table(kelo::Family::Tz48P);
        CEditorApp app;
        QVERIFY(app.InitInstance(StartOptions{{}, false}));
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) { chooser.reject(); });
        app.documents()->newDocument(kelo::Family::Tz48P);
        const QString message =
            QStringLiteral("File Tz48Plus.prs Not Found!, Program Loads a Default Configuration");
        QTRY_VERIFY(test::messageShown(message));
        Dialogs::clearShown();
        test::onNextModal<CStartDlg>([](CStartDlg& chooser) { chooser.reject(); });
        app.documents()->newDocument(kelo::Family::Tz48P);
        QCoreApplication::processEvents();
        QVERIFY(!test::messageShown(message));
    }

    void diagnosticLogIsDecidedOnceAtStart() {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        {
            CEditorApp app;
            QVERIFY(app.InitInstance(StartOptions{{}, false}));
            QVERIFY(!app.diagnosticFlag());
            QVERIFY(!QFile::exists(QStringLiteral("diagnostic.log")));
        }
        QFile log(QStringLiteral("diagnostic.log"));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("old run\n");
        log.close();
        {
            CEditorApp app;
            QVERIFY(app.InitInstance(StartOptions{{}, false}));
            QVERIFY(app.diagnosticFlag());
            QCOMPARE(QFileInfo(log).size(), qint64(0));
            // The engine logs into the same file without emptying it again.
            QVERIFY(log.open(QIODevice::Append));
            log.write("kept\n");
            log.close();
            QVERIFY(app.online()->engine().diagnosticLog() != nullptr);
            QVERIFY(log.open(QIODevice::ReadOnly));
            QCOMPARE(log.readAll(), QByteArray("kept\n"));
            log.close();
        }
        QVERIFY(QDir::setCurrent(previous));
    }

    void freshUserGetsTheDefaults() {
        CEditorApp app;
        QVERIFY(app.InitInstance(StartOptions{{}, false}));
        const kelo::CGeneralSettings settings = app.settings();
        QCOMPARE(settings.port, 0);
        QCOMPARE(settings.baudRate, 0);
        QCOMPARE(settings.autoLoad, 0);
        QCOMPARE(settings.link, 0);
        QCOMPARE(settings.lock, 0);
        QCOMPARE(settings.lockPassword, std::string());
    }

    void settingsAreKeptAtExit() {
        {
            CEditorApp app;
            QVERIFY(app.InitInstance(StartOptions{{}, false}));
            kelo::CGeneralSettings changed = app.settings();
            changed.port = 2;
            changed.baudRate = 6;
            changed.link = 1;
            changed.lock = 1;
            changed.lockPassword = "abc";
            app.setSettings(changed);
            QCOMPARE(app.ExitInstance(), 0);
        }
        QSettings stored(kOrganisationName, kApplicationName);
        QCOMPARE(stored.value("Options/Port").toInt(), 2);
        QCOMPARE(stored.value("Options/LockPassword").toString(), QStringLiteral("abc"));

        CEditorApp again;
        QVERIFY(again.InitInstance(StartOptions{{}, false}));
        QCOMPARE(again.settings().baudRate, 6);
        QCOMPARE(again.settings().link, 1);
        QCOMPARE(again.settings().lock, 1);
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void nonsenseSettingsFallBackToDefaults() {
        {
            QSettings stored(kOrganisationName, kApplicationName);
            stored.setValue("Options/Port", "COM9");
            stored.setValue("Options/BaudRate", 99);
            stored.setValue("Options/Lock", -4);
        }
        CEditorApp app;
        QVERIFY(app.InitInstance(StartOptions{{}, false}));
        QCOMPARE(app.settings().port, 0);
        QCOMPARE(app.settings().baudRate, 0);
        QCOMPARE(app.settings().lock, 0);
    }

    void failedSettingsWriteIsReported() {
        auto store = std::make_unique<kelo::MemorySettingsStore>();
        store->setFailWrites(true);
        CEditorApp app(std::move(store));
        QVERIFY(app.InitInstance(StartOptions{{}, false}));
        QCOMPARE(app.ExitInstance(), 1);
        QCOMPARE(test::lastMessage(), QStringLiteral("Cannot write general settings to registry!"));
    }

    void recentFilesKeepEightDistinctEntries() {
        QTemporaryDir dir;
        CRecentFileList list;
        for (int i = 0; i < 10; ++i) {
            list.add(dir.filePath(QStringLiteral("s%1.kle").arg(i)));
        }
        list.add(dir.filePath(QStringLiteral("s5.kle")));
        QCOMPARE(list.paths().size(), 8);
        QCOMPARE(list.paths().front(), dir.filePath(QStringLiteral("s5.kle")));
        QCOMPARE(list.paths().count(dir.filePath(QStringLiteral("s5.kle"))), 1);
        QVERIFY(list.save());

        CRecentFileList again;
        again.load();
        QCOMPARE(again.paths(), list.paths());
    }

    void settingsStoreRefusesWhatIsNotANumber() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("settings.ini"));
        {
            QSettings raw(ini, QSettings::IniFormat);
            raw.setValue("Options/Port", "two");
            raw.setValue("Options/BaudRate", " 3 ");
        }
        QSettingsStore store(ini);
        QVERIFY(!store.readInt("Port").has_value());
        QCOMPARE(store.readInt("BaudRate").value_or(-1), 3);
        QVERIFY(!store.readInt("Lock").has_value());
        QVERIFY(store.writeString("LockPassword", "pw"));
        QCOMPARE(store.readString("LockPassword").value_or(""), std::string("pw"));
    }

    void splashGoesAtTheFirstKeyPress() {
        CEditorApp app;
        QVERIFY(app.InitInstance(StartOptions{{}, true}));
        QWidget* splash = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("splashWindow") && widget->isVisible()) {
                splash = widget;
            }
        }
        QVERIFY(splash != nullptr);
        QPointer<QWidget> guard(splash);
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(guard.isNull() || !guard->isVisible());
    }
};

QTEST_MAIN(EditorAppTest)
#include "EditorAppTest.moc"
