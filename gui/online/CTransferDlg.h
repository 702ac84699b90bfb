#pragma once

#include "gui/online/CNetworkScanDlg.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;

namespace kelo::gui {

/// One unit's share of a whole-unit transfer. run() is called on the transfer thread: it may use the
/// engine but must not touch documents or widgets.
struct TransferStep {
    std::uint32_t busId = 0; ///< 0..31
    std::function<void()> run;
};

/// "Uploading Data" / "Downloading Data": runs the steps one after the other on a thread of its own
/// while the dialog shows which identifier is being handled, then closes itself.
///
/// The dialog cannot be closed by the user while the transfer runs; progress reaches it only through
/// queued calls.
class CTransferDlg : public QDialog {
    Q_OBJECT

public:
    CTransferDlg(ScanDirection direction, int count, std::vector<TransferStep> steps,
                 QWidget* parent = nullptr);
    ~CTransferDlg() override;

    void reject() override;

private:
    void runSteps();
    void showStep(std::uint32_t busId);
    void advance();
    void finish();

    ScanDirection m_direction;
    int m_count;
    std::vector<TransferStep> m_steps;
    QProgressBar* m_progressBar;
    QLabel* m_label;
    std::thread m_thread;
    bool m_done = false;
};

} // namespace kelo::gui
