#include "gui/online/CTransferDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kelo::gui {

namespace {

/// Pause between showing the dialog and starting the transfer [ms].
constexpr int kStartDelayMs = 100;

} // namespace

CTransferDlg::CTransferDlg(ScanDirection direction, int count, Transfer transfer, QWidget* parent)
    : QDialog(parent), m_count(std::max(count, 0)), m_transfer(std::move(transfer)),
      m_progressBar(new QProgressBar(this)), m_label(new QLabel(this)) {
    setObjectName(QStringLiteral("transferDialog"));
    setWindowTitle(direction == ScanDirection::Upload ? QStringLiteral("Uploading Data")
                                                      : QStringLiteral("Downloading Data"));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint);
    m_progressBar->setObjectName(QStringLiteral("transferProgressBar"));
    m_progressBar->setRange(0, m_count);
    m_progressBar->setValue(0);
    m_progressBar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: rgb(0, 250, 0); }"));
    m_label->setObjectName(QStringLiteral("transferLabel"));
    m_label->setText(QStringLiteral("Downloading to ID 1"));
    m_label->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 0, 0); background-color: white; }"));
    m_label->setMinimumWidth(220);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_progressBar);
    QTimer::singleShot(kStartDelayMs, this, [this] { m_thread = std::thread([this] { run(); }); });
}

CTransferDlg::~CTransferDlg() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CTransferDlg::reject() {
    // Closing by the user is refused while the units are being transferred.
    if (m_done) {
        QDialog::reject();
    }
}

void CTransferDlg::run() {
    TransferProgress progress;
    progress.label = [this](const std::string& label) {
        QMetaObject::invokeMethod(
            this, [this, text = QString::fromStdString(label)] { m_label->setText(text); },
            Qt::QueuedConnection);
    };
    progress.advanced = [this](std::uint32_t handled, std::uint32_t) {
        QMetaObject::invokeMethod(
            this, [this, handled] { m_progressBar->setValue(std::min(static_cast<int>(handled), m_count)); },
            Qt::QueuedConnection);
    };
    if (m_transfer) {
        m_transfer(progress);
    }
    QMetaObject::invokeMethod(this, &CTransferDlg::finish, Qt::QueuedConnection);
}

void CTransferDlg::finish() {
    m_progressBar->setValue(m_count);
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_done = true;
    accept();
}

} // namespace kelo::gui
