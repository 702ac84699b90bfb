#pragma once

#include "app/Family.h"

#include <QDialog>

#include <chrono>
#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kelo {
class CommEngine;
}

namespace kelo::gui {

class CEngineNotifier;

/// What happens after a scan confirmed with OK.
enum class ScanDirection {
    Download = 0, ///< the document's units are sent to the units that answered
    Upload = 1,   ///< every unit that answered is read into the document
};

/// What a network scan looks for.
struct ScanRequest {
    Family family = Family::Tz48;
    /// Identifiers the scan is expected to poll: 32 for all of them, else the document's next unit key.
    int scanCount = 32;
    ScanDirection direction = ScanDirection::Upload;
    /// Poll every identifier (a new system), or only documentIds (a system going on line).
    bool allIdentifiers = true;
    /// Bus identifiers (0..31) of the document's units.
    std::vector<std::uint32_t> documentIds;
    /// Line speed to climb to, a baud-rate index 0..6.
    int baudIndex = 0;
};

/// "Network Scan": prepares the connection table, starts the engine and shows the worker's first sweep
/// on a progress bar, then lists which identifiers answered.
///
/// The bar moves ten steps per polled identifier, one step per timer tick (50 ms), so it always
/// completes shortly after the worker's first sweep. OK (enabled when the scan is done) hands the
/// connected units over to a transfer through transferRequested(); Cancel closes without transfer and
/// leaves the engine running.
class CNetworkScanDlg : public QDialog {
    Q_OBJECT

public:
    /// The engine's line device must be set; the notifier must outlive the dialog.
    CNetworkScanDlg(CommEngine& engine, CEngineNotifier& notifier, ScanRequest request,
                    QWidget* parent = nullptr);
    ~CNetworkScanDlg() override;

    /// Set at OK: true when at least one unit is connected.
    bool found() const { return m_found; }

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
    void fillResultList();
    int connectedCount() const;

    CommEngine& m_engine;
    CEngineNotifier& m_notifier;
    ScanRequest m_request;
    QProgressBar* m_progressBar;
    QLabel* m_statusLabel;
    QListWidget* m_resultList;
    QPushButton* m_okButton;
    QTimer* m_timer;
    int m_polled = 0;
    int m_position = 0;
    bool m_started = false; ///< this dialog started the engine
    bool m_found = false;
    bool m_closing = false; ///< OK ran once; a posted OK that arrives later does nothing
};

} // namespace kelo::gui
