#include "tests/gui/support/GuiTestSupport.h"

#include "core/comm/engine/CommEngine.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/online/CNetworkScanDlg.h"
#include "gui/online/CTransferDlg.h"
#include "sim/Simulator.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <memory>

using namespace kelo;
using namespace kelo::gui;

namespace {

QStringList listLines(const CNetworkScanDlg& dialog) {
    QStringList lines;
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("scanResultList"));
    for (int row = 0; row < list->count(); ++row) {
        lines << list->item(row)->text();
    }
    return lines;
}

/// A scan of every identifier, or of a document's identifiers only (whose units are then sent).
ScanRequest scanRequest(Family family, std::vector<std::uint32_t> documentIds = {}) {
    ScanRequest request;
    request.family = family;
    request.sendAfterScan = !documentIds.empty();
    request.scanCount = documentIds.empty() ? 32 : static_cast<std::uint32_t>(documentIds.size()) + 1;
    request.ids = std::move(documentIds);
    return request;
}

QPushButton* okButton(const QDialog& dialog) {
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

class NetworkScanDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        test::prepareGuiTest();
        CNetworkScanDlg::setTickInterval(std::chrono::milliseconds(1));
    }

    void init() {
        m_clock = std::make_unique<FastClock>(10);
        m_engine = std::make_unique<CommEngine>(*m_clock);
        Dialogs::clearShown();
    }

    void cleanup() {
        m_engine->StopEngine();
        m_engine.reset();
    }

    void scanOfAllIdentifiersListsEveryPolledOne() {
        sim::Simulator simulator(test::simulatedUnits(Family::Tz48, {0, 3}));
        m_engine->setPortDevice(simulator.devicePath());
        CNetworkScanDlg dialog(*m_engine, scanRequest(Family::Tz48));
        QSignalSpy started(&dialog, &CNetworkScanDlg::engineStartFinished);
        QSignalSpy transfer(&dialog, &CNetworkScanDlg::transferRequested);
        dialog.show();
        QVERIFY(!okButton(dialog)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(okButton(dialog)->isEnabled(), 60000);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toBool(), true);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("scanStatusLabel"))->text(),
                 QStringLiteral("Done."));
        QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 320);
        const QStringList lines = listLines(dialog);
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines.at(0), QStringLiteral("ID 1: Unit Connected"));
        QCOMPARE(lines.at(1), QStringLiteral("ID 2: Unit Not Connected"));
        QCOMPARE(lines.at(3), QStringLiteral("ID 4: Unit Connected"));
        QCOMPARE(lines.count(QStringLiteral("ID 32: Unit Not Connected")), 1);

        okButton(dialog)->click();
        QVERIFY(dialog.found());
        QCOMPARE(transfer.count(), 1);
        QCOMPARE(transfer.at(0).at(0).toInt(), 2);
        QVERIFY(m_engine->IsEngineRunning());
    }

    void documentScanPollsOnlyTheDocumentsUnits() {
        sim::Simulator simulator(test::simulatedUnits(Family::Tz48P, {1, 5, 9}));
        m_engine->setPortDevice(simulator.devicePath());
        CNetworkScanDlg dialog(*m_engine, scanRequest(Family::Tz48P, {5, 7}));
        dialog.show();
        QTRY_VERIFY_WITH_TIMEOUT(okButton(dialog)->isEnabled(), 60000);
        // The Plus family's list names no identifier.
        QCOMPARE(listLines(dialog), QStringList({"Unit Connected", "Unit Not Connected"}));
        QCOMPARE(m_engine->GetConnectionEntry(5).state, ConnectionState::Connected);
        QCOMPARE(m_engine->GetConnectionEntry(5).model, std::uint32_t{kModelProcessor});
        QCOMPARE(m_engine->GetConnectionEntry(1).state, ConnectionState::NotUsed);
        QCOMPARE(m_engine->GetConnectionEntry(9).state, ConnectionState::NotUsed);
    }

    void absentPortIsReportedAndClosesTheDialog() {
        m_engine->setPortDevice("/dev/kelo-no-such-port");
        CNetworkScanDlg dialog(*m_engine, scanRequest(Family::TzAmp));
        QSignalSpy started(&dialog, &CNetworkScanDlg::engineStartFinished);
        QSignalSpy transfer(&dialog, &CNetworkScanDlg::transferRequested);
        dialog.show();
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toBool(), false);
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        const MessageRequest& shown = Dialogs::shownMessages().front();
        QCOMPARE(shown.text, QStringLiteral("An Error Occured Opening The Specified Serial Port."));
        QCOMPARE(shown.title, QStringLiteral("Serial Port Access Error"));
        QCOMPARE(shown.icon, MessageIcon::Stop);
        QVERIFY(!dialog.found());
        QCOMPARE(transfer.count(), 0);
        QVERIFY(!m_engine->IsEngineRunning());
    }

    void secondSystemLeavesTheRunningLineAlone() {
        sim::Simulator simulator(test::simulatedUnits(Family::Tz48, {2}));
        m_engine->setPortDevice(simulator.devicePath());
        {
            CNetworkScanDlg first(*m_engine, scanRequest(Family::Tz48));
            first.show();
            QTRY_VERIFY_WITH_TIMEOUT(okButton(first)->isEnabled(), 60000);
            first.reject();
        }
        const ConnectionEntry before = m_engine->GetConnectionEntry(2);
        QCOMPARE(before.state, ConnectionState::Connected);

        CNetworkScanDlg second(*m_engine, scanRequest(Family::Tz48, {0}));
        second.show();
        QTRY_VERIFY(!second.isVisible());
        QCOMPARE(Dialogs::shownMessages().back().title, QStringLiteral("Serial Port Access Error"));
        QVERIFY(!second.found());
        QCOMPARE(m_engine->GetConnectionEntry(2).state, ConnectionState::Connected);
        QCOMPARE(m_engine->GetConnectionEntry(0).state, ConnectionState::NotResponding);
        QVERIFY(m_engine->IsEngineRunning());
    }

    void transferRunsEveryStepOffTheGuiThreadAndCloses() {
        std::atomic<int> ran{0};
        std::atomic<bool> offGuiThread{true};
        const auto guiThread = std::this_thread::get_id();
        CTransferDlg dialog(ScanDirection::Upload, 2, [&](const TransferProgress& progress) {
            for (std::uint32_t id : {4U, 6U}) {
                progress.label("Uploading From ID " + std::to_string(id + 1));
                offGuiThread = offGuiThread && std::this_thread::get_id() != guiThread;
                progress.advanced(static_cast<std::uint32_t>(++ran), 2);
            }
        });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Uploading Data"));
        dialog.reject();
        QTRY_COMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ran.load(), 2);
        QVERIFY(offGuiThread.load());
        QCOMPARE(dialog.findChild<QProgressBar*>()->value(), 2);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("transferLabel"))->text(),
                 QStringLiteral("Uploading From ID 7"));

        CTransferDlg download(ScanDirection::Download, 0, {});
        QCOMPARE(download.windowTitle(), QStringLiteral("Downloading Data"));
    }

private:
    std::unique_ptr<FastClock> m_clock;
    std::unique_ptr<CommEngine> m_engine;
};

QTEST_MAIN(NetworkScanDialogTest)
#include "NetworkScanDialogTest.moc"
