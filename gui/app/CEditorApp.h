#pragma once

#include "core/app/CGeneralSettings.h"
#include "gui/app/CRecentFileList.h"
#include "core/comm/protocol/DiagnosticLog.h"

#include <QObject>
#include <QString>

#include <memory>

class QPrinter;

namespace kelo::gui {

class CDocManager;
class CMainFrame;
class COnlineController;
class CReportPrinter;
class CSplashWindow;
class CSystemDoc;

/// What the command line asks of a start.
struct StartOptions {
    QString file;       ///< a system file to open, or empty
    bool splash = true; ///< show the splash picture
};

/// The editor application: settings, start-up and exit, File Open, the About box and the splash.
///
/// There is one instance while the editor runs (instance()). The general settings are read once in
/// InitInstance() and written once in ExitInstance(); the rest of the editor takes copies.
class CEditorApp : public QObject {
    Q_OBJECT

public:
    /// @param store where the settings live; the user's QSettings when null
    explicit CEditorApp(std::unique_ptr<SettingsStore> store = nullptr, QObject* parent = nullptr);
    ~CEditorApp() override;

    static CEditorApp* instance();

    /// Starts the editor: main frame, settings, the file to open, the diagnostic flag.
    /// @return false when the editor cannot start.
    bool InitInstance(const StartOptions& options);
    /// Writes the settings and the recent-file list; tells the user when that fails.
    /// @return 0, or 1 when the settings could not be written.
    int ExitInstance();

    CMainFrame* mainFrame() const { return m_frame.get(); }
    CDocManager* documents() const { return m_documents.get(); }
    /// The serial line: On Line, Off Line, network scans, Options.
    COnlineController* online() const { return m_online.get(); }
    /// Where the settings live (also the serial ports' device names).
    const SettingsStore& settingsStore() const { return *m_store; }

    /// A copy of the general settings.
    CGeneralSettings settings() const { return m_settings; }
    /// Replaces the general settings (every field but the port-present flags).
    void setSettings(const CGeneralSettings& settings) { m_settings = settings; }
    /// Tells which serial ports exist; used by InitInstance() when the settings are read.
    void setPortProbe(PortProbe probe) { m_portProbe = std::move(probe); }

    /// True when "diagnostic.log" existed in the working folder at start: the line is logged.
    bool diagnosticFlag() const;

    /// The system that owns the serial line, or null (the on-line part decides).
    CSystemDoc* onLineDocument() const;

    /// The printer of Print Setup, Print and Print Preview, made when first needed.
    QPrinter& printer();
    /// File > Print, Print Preview and Export PDF.
    CReportPrinter* reportPrinter() const { return m_reportPrinter.get(); }

    const CRecentFileList& recentFiles() const { return m_recent; }
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    /// Opens a system file by its magic; the single way any file is opened.
    void OpenSystemFile(const QString& path);
    /// Opens a file from the recent-file list or the shell: a file that cannot be read is reported and
    /// dropped from the recent-file list. The path is taken by value: the list it may come from changes
    /// while the file is opened (a system it replaces is saved first).
    void OpenDocumentFile(QString path);

public slots:
    void onFileOpen();
    void onAppAbout();
    void onHelpTopics();
    void onFilePrintSetup();

private:
    /// Opens the file named at start (command line or AutoLoad); one that cannot be read is only noted
    /// in the status bar and keeps its recent-file entry.
    void openStartupFile(const QString& path);
    /// "Cannot open the file...", for a path that is missing or unreadable.
    void reportUnreadable(const QString& path);
    void hideSplash();
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<SettingsStore> m_store;
    CGeneralSettings m_settings;
    PortProbe m_portProbe;
    std::unique_ptr<COnlineController> m_online; ///< outlives the frame and the documents
    CRecentFileList m_recent;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CDocManager> m_documents;
    CSplashWindow* m_splash = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CReportPrinter> m_reportPrinter;
};

} // namespace kelo::gui
