#pragma once

#include "core/comm/engine/NetworkScan.h"

#include <QDialog>

#include <chrono>
#include <functional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kelo::gui {

/// What happens after a scan confirmed with OK.
enum class ScanDirection {
    Download = 0, ///< the document's units are sent to the units that answered
    Upload = 1,   ///< every unit that answered is read into the document
};

/// "Network Scan": starts the engine for a scan and shows the worker's first sweep on a progress bar,
/// then lists which identifiers answered.
///
/// The bar moves ten steps per polled identifier, one step per timer tick (50 ms), so it always
/// completes shortly after the worker's first sweep. OK (enabled when the scan is done) hands the
/// connected units over to a transfer through transferRequested(); Cancel closes without transfer and
/// leaves the engine running. While the engine already runs for another system the dialog fails as a
/// port that cannot be opened, without touching that system's connection table.
class CNetworkScanDlg : public QDialog {
    Q_OBJECT

public:
    /// The engine's line device must be set. A request that names identifiers sends the document's
    /// units after the scan; one that names none reads every unit found.
    CNetworkScanDlg(CommEngine& engine, ScanRequest request, QWidget* parent = nullptr);

    ScanDirection direction() const;
    /// Set at OK: true when at least one unit of the family is connected.
    bool found() const { return m_found; }

    /// Asked before the engine is started, and again every tick until it says yes (a line still being
    /// closed); without one the scan starts at once.
    void setStartGate(std::function<bool()> gate) { m_startGate = std::move(gate); }

    /// Tick of the progress timer; 50 ms unless a test shortens it.
    static void setTickInterval(std::chrono::milliseconds interval);

    void accept() override;

signals:
    /// The engine was started (true) or the port could not be opened (false).
    void engineStartFinished(bool started);
    /// OK with count connected units: run the transfer now (the dialog closes when the slot returns).
    void transferRequested(int count);

private:
    void startScan();
    void reportPortError();
    void onTick();

    CommEngine& m_engine;
    std::function<bool()> m_startGate;
    ScanRequest m_request;
    NetworkScan m_scan;
    int m_scanCount;
    QProgressBar* m_progressBar;
    QLabel* m_statusLabel;
    QListWidget* m_resultList;
    QPushButton* m_okButton = nullptr;
    QTimer* m_timer;
    int m_position = 0;
    bool m_started = false; ///< this dialog started the engine
    bool m_found = false;
    bool m_closing = false; ///< OK ran once; a posted OK that arrives later does nothing
};

} // namespace kelo::gui
