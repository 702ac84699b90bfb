#pragma once

#include "core/app/CGeneralSettings.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/DiagnosticLog.h"
#include "core/edit/ParameterEdit.h"
#include "gui/doc/DocumentLine.h"
#include "gui/online/CEngineNotifier.h"
#include "gui/online/CNetworkScanDlg.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace kelo::gui {

class CEditorApp;
class CMainFrame;
class CSystemDoc;

/// Everything the editor does on the serial line: On Line, Off Line and the toolbar toggle, the network
/// scan of a new system, the Options command, and the line of every system document.
///
/// It owns the one communication engine, the diagnostic log and which system is on line: at most one,
/// named for as long as the engine runs for it. The engine is stopped on a thread of its own, so the
/// window never waits for the worker or the pause after a run; a scan started meanwhile waits for the
/// line to be closed.
class COnlineController : public QObject, public DocumentLine {
    Q_OBJECT

public:
    explicit COnlineController(CEditorApp& app, QObject* parent = nullptr);
    ~COnlineController() override;

    /// Uses another clock for every pause of the line (tests). Only before the engine is first used.
    void useClock(Clock& clock) { m_clock = &clock; }

    /// The engine, made on first use.
    CommEngine& engine();

    /// Switches the diagnostic log on when "diagnostic.log" exists in the working folder (start-up);
    /// the file is emptied then and only appended to for the rest of the run.
    void startDiagnosticLog();
    /// True when the communication is logged.
    bool diagnosticFlag() const { return m_log.isActive(); }

    /// Points port index 0..3 at another device for this run only; nothing is stored.
    void setPortDeviceOverride(int port, const std::string& devicePath);
    /// The device of port index 0..3: the override, else the one the settings name.
    std::string portDevice(int port) const;
    bool isPortPresent(int port) const;

    /// Connects the frame's Options and on-line commands.
    void attach(CMainFrame& frame);

    /// The system that owns the serial line, or null.
    CSystemDoc* onLineDocument() const { return m_onLineDocument; }
    /// True while the engine is being stopped and the line closed.
    bool isLineClosing() const { return m_closer.joinable(); }

    void goOnLine(CSystemDoc& document);
    void goOffLine(CSystemDoc& document);
    /// The toolbar's On/Off Line button.
    void toggleOnLine(CSystemDoc& document);
    /// Options of the active system's family.
    void showOptions();

    // DocumentLine
    bool isOnLine(const CSystemDoc& document) const override;
    ScanOutcome scanForNewSystem(CSystemDoc& document) override;
    void reconnect(CSystemDoc& document) override;
    void takeOffLine(CSystemDoc& document) override;
    void unitRemoved(CSystemDoc& document, std::uint32_t busId) override;
    void sendGanging(CSystemDoc& document, std::uint32_t unitKey) override;
    ConnectionState connectionState(std::uint32_t busId) const override;

signals:
    /// The line has been closed after Off Line (or a system leaving the line).
    void lineClosed();

private:
    /// Runs the Network Scan dialog for document; returns whether any unit was found.
    bool runScan(CSystemDoc& document, ScanDirection direction);
    void transferUnits(CSystemDoc& document, ScanDirection direction, int count, QWidget* parent);
    /// Names the on-line system and whether the engine runs for it; tells the documents concerned.
    void setOnLine(CSystemDoc* document, bool engineRuns);
    /// Takes document off the line: the engine is stopped off the window's thread; @p done runs on the
    /// window's thread once it has stopped.
    void stopEngineFor(CSystemDoc& document, std::function<void()> done = {});
    void onEngineStopped();
    /// Posts an edit's sends to the engine's queue when the document is the one on line.
    void postEdit(CSystemDoc& document, const EditResult& edit);
    void refreshOnLineViews();
    void showLineFault();
    void showStatus(const QString& text);
    CSystemDoc* activeDocument() const;

    CEditorApp& m_app;
    CMainFrame* m_frame = nullptr;
    Clock* m_clock = &SystemClock::instance();
    CEngineNotifier m_notifier;
    DiagnosticLog m_log;
    std::array<std::string, kPortCount> m_deviceOverrides;
    CSystemDoc* m_onLineDocument = nullptr;
    bool m_engineRunsForDocument = false;
    bool m_lineFaultShown = false;
    std::vector<std::function<void()>> m_afterStop;
    std::unique_ptr<CommEngine> m_engine; ///< declared after the notifier and log: stopped before they go
    std::thread m_closer;                 ///< stops the engine; joined before the engine goes
};

} // namespace kelo::gui
