#include "gui/app/CEditorApp.h"

#include "gui/app/CAboutDlg.h"
#include "gui/app/CSplashWindow.h"
#include "gui/app/EditorArtwork.h"
#include "gui/app/QSettingsStore.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CDocManager.h"
#include "gui/frame/CMainFrame.h"
#include "gui/online/COnlineController.h"
#include "gui/print/CReportPrinter.h"
#include "core/units/presets/FactoryPrograms.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>

namespace kelo::gui {

namespace {
CEditorApp* g_instance = nullptr;
} // namespace

CEditorApp::CEditorApp(std::unique_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent), m_store(store ? std::move(store) : std::make_unique<QSettingsStore>()),
      m_online(std::make_unique<COnlineController>(*this)) {
    // A port is present when its device (or the demo line standing in for it) is a terminal.
    m_portProbe = [this](int port) { return m_online->isPortPresent(port); };
    g_instance = this;
}

CEditorApp::~CEditorApp() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
    delete m_splash;
    m_reportPrinter.reset();
    m_documents.reset();
    m_frame.reset();
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

CEditorApp* CEditorApp::instance() {
    return g_instance;
}

bool CEditorApp::diagnosticFlag() const {
    return m_online->diagnosticFlag();
}

CSystemDoc* CEditorApp::onLineDocument() const {
    return m_online->onLineDocument();
}

bool CEditorApp::InitInstance(const StartOptions& options) {
    QApplication::setWindowIcon(applicationIcon());
    m_recent.load();

    m_frame = std::make_unique<CMainFrame>();
    m_documents = std::make_unique<CDocManager>(m_frame.get(), m_online.get());
    m_online->attach(*m_frame);
    m_frame->setRecentFiles(m_recent.paths());
    connect(m_frame->action(action_names::kFileNew), &QAction::triggered, m_documents.get(),
            &CDocManager::onFileNew);
    connect(m_frame->action(action_names::kFileOpen), &QAction::triggered, this, &CEditorApp::onFileOpen);
    connect(m_frame->action(action_names::kAbout), &QAction::triggered, this, &CEditorApp::onAppAbout);
    connect(m_frame->action(action_names::kHelpTopics), &QAction::triggered, this, &CEditorApp::onHelpTopics);
    connect(m_frame->action(action_names::kPrintSetup), &QAction::triggered, this,
            &CEditorApp::onFilePrintSetup);
    m_reportPrinter = std::make_unique<CReportPrinter>(*m_frame, printer());
    connect(m_frame->action(action_names::kPrint), &QAction::triggered, m_reportPrinter.get(),
            &CReportPrinter::onFilePrint);
    connect(m_frame->action(action_names::kPrintPreview), &QAction::triggered, m_reportPrinter.get(),
            &CReportPrinter::onFilePrintPreview);
    connect(m_frame->action(action_names::kExportPdf), &QAction::triggered, m_reportPrinter.get(),
            &CReportPrinter::onFileExportPdf);
    m_frame->setPrintingAvailable(true);
    connect(m_frame.get(), &CMainFrame::recentFileRequested, this, &CEditorApp::OpenDocumentFile);
    connect(m_documents.get(), &CDocManager::documentSaved, this, &CEditorApp::addRecentFile);
    m_frame->setCloseGuard([this] { return m_documents->closeAllDocuments(); });
    if (options.splash) {
        m_splash = new CSplashWindow;
        connect(m_splash, &CSplashWindow::dismissed, this, &CEditorApp::hideSplash);
        qApp->installEventFilter(this);
        m_splash->show();
    }

    // The presets file is read the first time a unit is built, possibly while the line is being read;
    // the message is shown from the event loop either way.
    FactoryPrograms::shared().setMessageHook([](std::string_view message) {
        const QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
        QMetaObject::invokeMethod(
            qApp, [text] { Dialogs::inform(nullptr, text, MessageIcon::Exclamation); }, Qt::QueuedConnection);
    });
    m_settings.Load(*m_store, m_portProbe);

    QString file = options.file;
    if (m_settings.autoLoad == 1 && !m_recent.paths().isEmpty()) {
        file = m_recent.paths().first();
    }
    if (!file.isEmpty()) {
        openStartupFile(file);
    }
    m_frame->show();
    m_frame->update();

    m_online->startDiagnosticLog();
    return true;
}

int CEditorApp::ExitInstance() {
    const bool settingsWritten = m_settings.Save(*m_store);
    m_recent.save();
    if (!settingsWritten) {
        Dialogs::inform(nullptr, QStringLiteral("Cannot write general settings to registry!"));
        return 1;
    }
    return 0;
}

void CEditorApp::addRecentFile(const QString& path) {
    m_recent.add(path);
    if (m_frame) {
        m_frame->setRecentFiles(m_recent.paths());
    }
}

void CEditorApp::removeRecentFile(const QString& path) {
    m_recent.remove(path);
    if (m_frame) {
        m_frame->setRecentFiles(m_recent.paths());
    }
}

void CEditorApp::OpenSystemFile(const QString& path) {
    m_documents->openSystemFile(path);
}

void CEditorApp::openStartupFile(const QString& path) {
    // A file that cannot be read at start (moved, on a drive not mounted yet) keeps its recent-file
    // entry, so the next start opens the same system again rather than whichever entry comes next.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_frame->statusBar()->showMessage(tr("Cannot open %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    file.close();
    OpenSystemFile(path);
}

void CEditorApp::OpenDocumentFile(QString path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportUnreadable(path);
        removeRecentFile(path);
        return;
    }
    file.close();
    OpenSystemFile(path);
}

void CEditorApp::onFileOpen() {
    const QString path = Dialogs::openFileName(m_frame.get(), tr("Open"), systemFileFilter());
    if (path.isEmpty()) {
        return;
    }
    if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        reportUnreadable(path);
        return;
    }
    OpenSystemFile(path);
}

void CEditorApp::reportUnreadable(const QString& path) {
    Dialogs::inform(m_frame.get(),
                    QStringLiteral("%1\nCannot open the file: it does not exist or cannot be read.")
                        .arg(QFileInfo(path).fileName()),
                    MessageIcon::Exclamation);
}

void CEditorApp::onAppAbout() {
    CAboutDlg about(m_frame.get());
    about.exec();
}

void CEditorApp::onHelpTopics() {
    const QString text =
        tr("File New creates a system: choose the family, then \"New Unit\" to add a unit by "
           "hand or \"Network Scan\" to read the units on the serial line.\n\n"
           "Actions > New Unit adds a unit, Actions > Modify Unit changes the active unit's "
           "name, identifier and ganging. Closing a unit window deletes its unit.\n\n"
           "Actions > On Line connects the active system to its units; Off Line disconnects "
           "it. The status bar turns red while a system is on line.\n\n"
           "Files are opened by their content, whatever their name; a file of a family "
           "replaces the system of that family that was opened first.");
    Dialogs::inform(m_frame.get(), text, MessageIcon::Information, tr("Kelo Editor Help"));
}

QPrinter& CEditorApp::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>();
    }
    return *m_printer;
}

void CEditorApp::onFilePrintSetup() {
    QPageSetupDialog setup(&printer(), m_frame.get());
    setup.exec();
}

void CEditorApp::hideSplash() {
    qApp->removeEventFilter(this);
    m_splash = nullptr;
    if (m_frame) {
        m_frame->update();
    }
}

bool CEditorApp::eventFilter(QObject* watched, QEvent* event) {
    if (m_splash != nullptr) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            m_splash->dismiss();
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelo::gui
