#include "gui/online/CNetworkScanDlg.h"

#include "gui/dialogs/Dialogs.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kelo::gui {

namespace {

/// Bar steps per polled identifier.
constexpr int kStepsPerIdentifier = 10;

std::chrono::milliseconds& tickInterval() {
    static std::chrono::milliseconds interval{50};
    return interval;
}

/// The count the bar goes to: the request's, or the number of identifiers looked for.
int scanCountOf(const ScanRequest& request) {
    const auto count =
        request.scanCount != 0
            ? request.scanCount
            : static_cast<std::uint32_t>(request.ids.empty() ? kUnitCount : request.ids.size());
    return std::clamp(static_cast<int>(count), 1, static_cast<int>(kUnitCount));
}

} // namespace

void CNetworkScanDlg::setTickInterval(std::chrono::milliseconds interval) {
    tickInterval() = interval;
}

CNetworkScanDlg::CNetworkScanDlg(CommEngine& engine, ScanRequest request, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_request(std::move(request)), m_scan(engine),
      m_scanCount(scanCountOf(m_request)), m_progressBar(new QProgressBar(this)),
      m_statusLabel(new QLabel(this)), m_resultList(new QListWidget(this)), m_timer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Network Scan"));
    setObjectName(QStringLiteral("networkScanDialog"));
    setMinimumWidth(320);
    m_request.scanCount = static_cast<std::uint32_t>(m_scanCount);

    m_progressBar->setObjectName(QStringLiteral("scanProgressBar"));
    m_progressBar->setRange(0, m_scanCount * kStepsPerIdentifier);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: rgb(250, 0, 0); }"));
    m_statusLabel->setObjectName(QStringLiteral("scanStatusLabel"));
    m_statusLabel->setText(QStringLiteral("Please Wait..."));
    m_resultList->setObjectName(QStringLiteral("scanResultList"));

    auto* progressBox = new QGroupBox(this);
    auto* progressLayout = new QVBoxLayout(progressBox);
    progressLayout->addWidget(m_progressBar);
    progressLayout->addWidget(m_statusLabel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    m_okButton->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNetworkScanDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progressBox);
    layout->addWidget(m_resultList);
    layout->addWidget(buttons);

    m_timer->setInterval(tickInterval());
    connect(m_timer, &QTimer::timeout, this, &CNetworkScanDlg::onTick);
    // The engine starts once the dialog runs, so a failure can be reported on top of it.
    QTimer::singleShot(0, this, &CNetworkScanDlg::startScan);
}

ScanDirection CNetworkScanDlg::direction() const {
    return m_request.sendAfterScan ? ScanDirection::Download : ScanDirection::Upload;
}

void CNetworkScanDlg::startScan() {
    if (m_startGate && !m_startGate()) {
        QTimer::singleShot(tickInterval(), this, &CNetworkScanDlg::startScan);
        return;
    }
    if (m_engine.IsEngineRunning() || m_scan.start(m_request) != CommResult::Ok) {
        reportPortError();
        return;
    }
    m_started = true;
    emit engineStartFinished(true);
    m_timer->start();
}

void CNetworkScanDlg::reportPortError() {
    emit engineStartFinished(false);
    Dialogs::message(this, {QString::fromLatin1(kPortErrorMessage), QString::fromLatin1(kPortErrorCaption),
                            MessageIcon::Stop, QMessageBox::Ok});
    QMetaObject::invokeMethod(this, &CNetworkScanDlg::accept, Qt::QueuedConnection);
}

void CNetworkScanDlg::onTick() {
    const int end = m_scanCount * kStepsPerIdentifier;
    const int polled = static_cast<int>(std::min(m_scan.polled(), static_cast<std::uint32_t>(m_scanCount)));
    if (m_position < polled * kStepsPerIdentifier) {
        m_progressBar->setValue(++m_position);
    }
    if (m_position < end) {
        return;
    }
    m_timer->stop();
    m_okButton->setEnabled(true);
    m_statusLabel->setText(QStringLiteral("Done."));
    for (const std::string& line : m_scan.resultLines()) {
        m_resultList->addItem(QString::fromStdString(line));
    }
    if (m_resultList->count() == 0) {
        Dialogs::message(
            this, {QString::fromLatin1(kNoResponseMessage), QString(), MessageIcon::Stop, QMessageBox::Ok});
        QMetaObject::invokeMethod(this, &CNetworkScanDlg::accept, Qt::QueuedConnection);
    }
}

void CNetworkScanDlg::accept() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    m_timer->stop();
    // Units seen by a line this dialog did not start belong to another system.
    const auto count = m_started ? static_cast<int>(m_scan.connectedIds().size()) : 0;
    m_found = count >= 1;
    if (m_found) {
        emit transferRequested(count);
    }
    QDialog::accept();
}

} // namespace kelo::gui
