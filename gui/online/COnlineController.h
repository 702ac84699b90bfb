#pragma once

#include "core/app/CGeneralSettings.h"
#include "core/comm/engine/CommEngine.h"
#include "core/comm/protocol/DiagnosticLog.h"
#include "core/edit/ParameterEdit.h"
#include "gui/online/CEngineNotifier.h"
#include "gui/online/CNetworkScanDlg.h"

#include <QObject>

#include <array>
#include <memory>
#include <string>

namespace kelo::gui {

class CEditorApp;
class CMainFrame;
class CSystemDoc;
enum class ScanOutcome;

/// Everything the editor does on the serial line: On Line, Off Line and the toolbar toggle, the network
/// scan of a new system, the Options command, and the line hooks of the system documents.
///
/// It owns the one communication engine. At most one system is on line; the application's on-line
/// document pointer names it for as long as the engine runs for it.
class COnlineController : public QObject {
    Q_OBJECT

public:
    explicit COnlineController(CEditorApp& app, QObject* parent = nullptr);
    ~COnlineController() override;

    /// Uses another clock for every pause of the line (tests). Only before the engine is first used.
    void useClock(Clock& clock) { m_clock = &clock; }

    /// The engine, made on first use.
    CommEngine& engine();

    /// Points port index 0..3 at another device for this run only; nothing is stored.
    void setPortDeviceOverride(int port, const std::string& devicePath);
    /// The device of port index 0..3: the override, else the one the settings name.
    std::string portDevice(int port) const;
    bool isPortPresent(int port) const;

    /// Connects the frame's Options and on-line commands and fills in the documents' line hooks.
    void attach(CMainFrame& frame);

    void goOnLine(CSystemDoc& document);
    void goOffLine(CSystemDoc& document);
    /// The toolbar's On/Off Line button.
    void toggleOnLine(CSystemDoc& document);
    /// The Network Scan choice of a new system: every identifier is looked for and read into it.
    ScanOutcome scanForNewSystem(CSystemDoc& document);
    /// Options of the active system's family.
    void showOptions();

private:
    /// Runs the Network Scan dialog for document; returns whether any unit was found.
    bool runScan(CSystemDoc& document, ScanDirection direction);
    void transferUnits(CSystemDoc& document, ScanDirection direction, int count, QWidget* parent);
    void stopEngineFor(CSystemDoc& document);
    void sendGanging(CSystemDoc& document, std::uint32_t unitKey);
    /// Posts an edit's sends to the engine's queue when the document is the one on line.
    void postEdit(CSystemDoc& document, const EditResult& edit);
    void refreshOnLineViews();
    CSystemDoc* activeDocument() const;

    CEditorApp& m_app;
    CMainFrame* m_frame = nullptr;
    Clock* m_clock = &SystemClock::instance();
    CEngineNotifier m_notifier;
    DiagnosticLog m_log;
    std::array<std::string, kPortCount> m_deviceOverrides;
    std::unique_ptr<CommEngine> m_engine; ///< declared last: stopped before the notifier and log go
};

} // namespace kelo::gui
