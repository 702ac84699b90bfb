#include "online/CNetworkScanDlg.h"

#include "comm/CommEngine.h"
#include "comm/FamilyLine.h"
#include "dialogs/Dialogs.h"
#include "online/CEngineNotifier.h"

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

} // namespace

void CNetworkScanDlg::setTickInterval(std::chrono::milliseconds interval) {
    tickInterval() = interval;
}

CNetworkScanDlg::CNetworkScanDlg(CommEngine& engine, CEngineNotifier& notifier, ScanRequest request,
                                 QWidget* parent)
    : QDialog(parent), m_engine(engine), m_notifier(notifier), m_request(std::move(request)),
      m_progressBar(new QProgressBar(this)), m_statusLabel(new QLabel(this)),
      m_resultList(new QListWidget(this)), m_okButton(nullptr), m_timer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Network Scan"));
    setObjectName(QStringLiteral("networkScanDialog"));
    m_request.scanCount = std::clamp(m_request.scanCount, 1, static_cast<int>(kUnitCount));

    m_progressBar->setObjectName(QStringLiteral("scanProgressBar"));
    m_progressBar->setRange(0, m_request.scanCount * kStepsPerIdentifier);
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

    connect(
        &m_notifier, &CEngineNotifier::identifierPolled, this, [this] { ++m_polled; }, Qt::QueuedConnection);
    connect(
        &m_notifier, &CEngineNotifier::firstSweepDone, this, [this] { m_polled = m_request.scanCount; },
        Qt::QueuedConnection);
    m_timer->setInterval(tickInterval());
    connect(m_timer, &QTimer::timeout, this, &CNetworkScanDlg::onTick);
    // The engine starts once the dialog runs, so a failure can be reported on top of it.
    QTimer::singleShot(0, this, &CNetworkScanDlg::startScan);
}

CNetworkScanDlg::~CNetworkScanDlg() {
    m_engine.clearScanDialog();
}

void CNetworkScanDlg::startScan() {
    // The line is taken by another system: its connection table is left alone and this one fails as a
    // port that cannot be opened.
    if (m_engine.isEngineRunning()) {
        reportPortError();
        return;
    }
    if (m_request.allIdentifiers) {
        m_engine.setAllStates(ConnectionState::ToBePolled);
    } else {
        m_engine.setAllStates(ConnectionState::NotUsed);
        for (std::uint32_t id : m_request.documentIds) {
            m_engine.setConnectionState(id, ConnectionState::ToBePolled);
        }
    }
    m_engine.setConnectionBaud(m_request.baudIndex);
    m_engine.setScanDialog(m_notifier.scanDialogHooks());
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        ConnectionEntry entry = m_engine.getConnectionEntry(id);
        entry.identifier = id;
        entry.model = kModelAny;
        m_engine.setConnectionEntry(id, entry);
    }
    if (m_request.direction == ScanDirection::Download) {
        for (std::uint32_t id : m_request.documentIds) {
            ConnectionEntry entry = m_engine.getConnectionEntry(id);
            entry.model = familyLine(m_request.family).model;
            m_engine.setConnectionEntry(id, entry);
        }
    }

    if (m_engine.startEngine(m_request.family) != CommResult::Ok) {
        m_engine.clearScanDialog();
        reportPortError();
        return;
    }
    m_started = true;
    emit engineStartFinished(true);
    m_timer->start();
}

void CNetworkScanDlg::reportPortError() {
    emit engineStartFinished(false);
    Dialogs::message(this, {QStringLiteral("An Error Occured Opening The Specified Serial Port."),
                            QStringLiteral("Serial Port Access Error"), MessageIcon::Stop, QMessageBox::Ok});
    QMetaObject::invokeMethod(this, &CNetworkScanDlg::accept, Qt::QueuedConnection);
}

void CNetworkScanDlg::onTick() {
    const int end = m_request.scanCount * kStepsPerIdentifier;
    if (m_position < std::min(m_polled * kStepsPerIdentifier, end)) {
        m_progressBar->setValue(++m_position);
    }
    if (m_position < end) {
        return;
    }
    m_timer->stop();
    m_okButton->setEnabled(true);
    m_statusLabel->setText(QStringLiteral("Done."));
    fillResultList();
    if (m_resultList->count() == 0) {
        Dialogs::message(this, {QStringLiteral("No Responce From Any Unit."), QString(), MessageIcon::Stop,
                                QMessageBox::Ok});
        QMetaObject::invokeMethod(this, &CNetworkScanDlg::accept, Qt::QueuedConnection);
    }
}

void CNetworkScanDlg::fillResultList() {
    // The Plus family's list names no identifier.
    const bool showIds = m_request.family != Family::Tz48P;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        const ConnectionState state = m_engine.getConnectionEntry(id).state;
        QString line;
        if (state == ConnectionState::Connected) {
            line = showIds ? QStringLiteral("ID %1: Unit Connected").arg(id + 1)
                           : QStringLiteral("Unit Connected");
        } else if (state == ConnectionState::NotResponding) {
            line = showIds ? QStringLiteral("ID %1: Unit Not Connected").arg(id + 1)
                           : QStringLiteral("Unit Not Connected");
        }
        if (!line.isEmpty()) {
            m_resultList->addItem(line);
        }
    }
}

int CNetworkScanDlg::connectedCount() const {
    int count = 0;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        count += m_engine.getConnectionEntry(id).state == ConnectionState::Connected ? 1 : 0;
    }
    return count;
}

void CNetworkScanDlg::accept() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    m_timer->stop();
    // Units seen by a line this dialog did not start belong to another system.
    const int count = m_started ? connectedCount() : 0;
    m_found = count >= 1;
    if (m_found) {
        emit transferRequested(count);
    }
    QDialog::accept();
}

} // namespace kelo::gui
