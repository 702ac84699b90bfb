#include "gui/app/CEditorApp.h"
#include "gui/app/EditorInfo.h"
#include "gui/gallery/CControlGallery.h"
#include "gui/online/COnlineController.h"
#include "gui/online/DemoLine.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(kelo::gui::kOrganisationName);
    QApplication::setApplicationName(kelo::gui::kApplicationName);
    QApplication::setApplicationVersion(QStringLiteral("3.00"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelo Editor: editor and remote control for sound processors"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Start without the splash picture."));
    parser.addOption(noSplash);
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("Simulated units for this run, e.g. tz48:1,2,5 (families tz48, tz48p, amp; "
                       "identifiers 1..32). The serial port chosen in Options reaches them."),
        QStringLiteral("family:ids"));
    parser.addOption(demo);
    const QCommandLineOption demoPort(
        QStringLiteral("demo-port"),
        QStringLiteral("Port 1..4 (COM1..COM4) for --demo; default: every port."), QStringLiteral("n"));
    parser.addOption(demoPort);
    const QCommandLineOption gallery(
        QStringLiteral("gallery"),
        QStringLiteral("Show every graph, meter, fader and editing panel on a demo unit, and nothing else."));
    parser.addOption(gallery);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A system file (.kle) to open."));
    parser.process(application);

    if (parser.isSet(gallery)) {
        kelo::gui::CControlGallery window;
        window.show();
        return QApplication::exec();
    }

    kelo::gui::StartOptions options;
    options.splash = !parser.isSet(noSplash);
    if (!parser.positionalArguments().isEmpty()) {
        options.file = parser.positionalArguments().first();
    }

    // The demo line is made first so that it outlives the editor's engine.
    std::unique_ptr<kelo::gui::DemoLine> demoLine;
    kelo::gui::CEditorApp editor;
    if (parser.isSet(demo)) {
        const kelo::gui::DemoUnitList units = kelo::gui::parseDemoUnits(parser.value(demo));
        QString error = units.error;
        int onlyPort = -1;
        if (error.isEmpty() && parser.isSet(demoPort)) {
            bool ok = false;
            onlyPort = parser.value(demoPort).toInt(&ok) - 1;
            if (!ok || onlyPort < 0 || onlyPort >= kelo::kPortCount) {
                error = QStringLiteral("--demo-port: a port number 1..4 is expected");
            }
        }
        if (error.isEmpty()) {
            demoLine = kelo::gui::DemoLine::start(units, error);
        }
        if (!demoLine) {
            std::fprintf(stderr, "kelo-editor: %s\n", qPrintable(error));
            return 2;
        }
        for (int port = 0; port < kelo::kPortCount; ++port) {
            if (onlyPort < 0 || port == onlyPort) {
                editor.online()->setPortDeviceOverride(port, demoLine->devicePath());
            }
        }
    }
    if (!editor.InitInstance(options)) {
        return 1;
    }
    const int result = QApplication::exec();
    editor.ExitInstance();
    return result;
}
