#include "app/CEditorApp.h"
#include "app/EditorInfo.h"

#include <QApplication>
#include <QCommandLineParser>

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
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A system file (.kle) to open."));
    parser.process(application);

    kelo::gui::StartOptions options;
    options.splash = !parser.isSet(noSplash);
    if (!parser.positionalArguments().isEmpty()) {
        options.file = parser.positionalArguments().first();
    }

    kelo::gui::CEditorApp editor;
    if (!editor.InitInstance(options)) {
        return 1;
    }
    const int result = QApplication::exec();
    editor.ExitInstance();
    return result;
}
