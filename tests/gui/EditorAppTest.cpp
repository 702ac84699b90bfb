#include "GuiTestSupport.h"

#include "app/CEditorApp.h"
#include "app/EditorInfo.h"
#include "app/QSettingsStore.h"
#include "dialogs/Dialogs.h"

#include <QSettings>
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
