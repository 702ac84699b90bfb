#pragma once

#include "core/comm/engine/SystemTransfer.h"
#include "gui/online/CNetworkScanDlg.h"

#include <QDialog>

#include <functional>
#include <thread>

class QLabel;
class QProgressBar;

namespace kelo::gui {

/// "Uploading Data" / "Downloading Data": runs a whole-unit transfer on a thread of its own while the
/// dialog shows which identifier is being handled, then closes itself.
///
/// The transfer is told its progress through a TransferProgress whose calls reach the dialog queued. It
/// runs on the transfer thread: it may use the engine but must not touch documents or widgets. The
/// dialog cannot be closed by the user while the transfer runs.
class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    using Transfer = std::function<void(const TransferProgress& progress)>;

    CTransferDlg(ScanDirection direction, int count, Transfer transfer, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    void reject() override;

private:
    void run();
    void finish();

    int m_count;
    Transfer m_transfer;
    QProgressBar* m_progressBar;
    QLabel* m_label;
    std::thread m_thread;
    bool m_done = false;
};

} // namespace kelo::gui
