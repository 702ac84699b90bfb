#include "gui/online/COnlineController.h"

#include "core/app/PortSettings.h"
#include "core/comm/engine/SystemTransfer.h"
#include "core/comm/line/PortDevices.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/CEditorApp.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CMainFrame.h"
#include "gui/online/CTransferDlg.h"
#include "gui/options/COptionSheet.h"

#include <QAction>
#include <QPointer>
#include <QStatusBar>

namespace kelo::gui {

namespace {

/// What the status bar says while the engine stops and the line closes.
const char* const kClosingLineText = "Closing the serial line...";
/// What it says when the serial device failed or went away during a run.
const char* const kDeviceGoneText = "The serial adapter does not answer: it has been removed or has failed. "
                                    "The units show as not connected.";

} // namespace

COnlineController::COnlineController(CEditorApp& app, QObject* parent) : QObject(parent), m_app(app) {
    connect(&m_notifier, &CEngineNotifier::viewsRefreshRequested, this,
            &COnlineController::refreshOnLineViews, Qt::QueuedConnection);
}

COnlineController::~COnlineController() {
    if (m_closer.joinable()) {
        m_closer.join();
    }
}

CommEngine& COnlineController::engine() {
    if (!m_engine) {
        m_engine = std::make_unique<CommEngine>(*m_clock, m_log.isActive() ? &m_log : nullptr);
    }
    return *m_engine;
}

void COnlineController::startDiagnosticLog() {
    m_log.activateIfPresent();
}

void COnlineController::setPortDeviceOverride(int port, const std::string& devicePath) {
    if (port >= 0 && port < kPortCount) {
        m_deviceOverrides[static_cast<std::size_t>(port)] = devicePath;
    }
}

std::string COnlineController::portDevice(int port) const {
    if (port >= 0 && port < kPortCount && !m_deviceOverrides[static_cast<std::size_t>(port)].empty()) {
        return m_deviceOverrides[static_cast<std::size_t>(port)];
    }
    return portDevicePath(port, m_app.settingsStore());
}

bool COnlineController::isPortPresent(int port) const {
    return kelo::isPortPresent(portDevice(port));
}

void COnlineController::attach(CMainFrame& frame) {
    m_frame = &frame;
    using namespace action_names;
    const auto onActive = [this](void (COnlineController::*command)(CSystemDoc&)) {
        return [this, command] {
            if (CSystemDoc* document = activeDocument()) {
                (this->*command)(*document);
            }
        };
    };
    connect(frame.action(kOnLine), &QAction::triggered, this, onActive(&COnlineController::goOnLine));
    connect(frame.action(kOffLine), &QAction::triggered, this, onActive(&COnlineController::goOffLine));
    connect(frame.action(kOnOffLine), &QAction::triggered, this, onActive(&COnlineController::toggleOnLine));
    connect(frame.action(kOptions), &QAction::triggered, this, &COnlineController::showOptions);
    CSystemEditor::sendHook() = [this](CSystemDoc& document, const EditResult& edit) {
        postEdit(document, edit);
    };
    CSystemEditor::linkSetting() = [this] { return m_app.settings().link != 0; };
}

bool COnlineController::isOnLine(const CSystemDoc& document) const {
    return m_onLineDocument == &document && m_engineRunsForDocument;
}

ConnectionState COnlineController::connectionState(std::uint32_t busId) const {
    return m_engine ? m_engine->GetConnectionEntry(busId).state : ConnectionState::NotUsed;
}

void COnlineController::setOnLine(CSystemDoc* document, bool engineRuns) {
    CSystemDoc* previous = m_onLineDocument;
    m_onLineDocument = document;
    m_engineRunsForDocument = document != nullptr && engineRuns;
    if (previous != nullptr && previous != document) {
        previous->onLineStateChanged();
    }
    if (document != nullptr) {
        document->onLineStateChanged();
    }
    if (m_frame != nullptr) {
        m_frame->updateCommandStates();
    }
}

void COnlineController::goOnLine(CSystemDoc& document) {
    if (document.isOnLine()) {
        return;
    }
    runScan(document, ScanDirection::Download);
    if (document.isOnLine()) {
        engine().setViewRefresh(true);
    }
}

void COnlineController::goOffLine(CSystemDoc& document) {
    if (!document.isOnLine() || isLineClosing()) {
        return;
    }
    // The system shows on line until the engine has stopped; then the status turns to Off Line.
    QPointer<CSystemDoc> leaving(&document);
    stopEngineFor(document, [leaving] {
        if (leaving) {
            leaving->refreshConnectionIndicators();
        }
    });
}

void COnlineController::toggleOnLine(CSystemDoc& document) {
    if (document.isOnLine()) {
        goOffLine(document);
    } else {
        goOnLine(document);
    }
}

ScanOutcome COnlineController::scanForNewSystem(CSystemDoc& document) {
    const bool found = runScan(document, ScanDirection::Upload);
    if (!found || !document.isOnLine()) {
        stopEngineFor(document);
        return ScanOutcome::BackToChooser;
    }
    if (document.system().empty()) {
        stopEngineFor(document);
        return ScanOutcome::Discard;
    }
    m_notifier.setDocumentHasUnits(true);
    // Keys 0, 1, 2..., ganging switched off where the routing forbids it, view refresh on.
    SystemTransfer(engine(), FactoryPrograms::shared()).RenumberAfterScan(document.system());
    return ScanOutcome::Done;
}

void COnlineController::reconnect(CSystemDoc& document) {
    // The scan below waits until the line has been closed.
    stopEngineFor(document);
    goOnLine(document);
}

void COnlineController::takeOffLine(CSystemDoc& document) {
    stopEngineFor(document);
}

void COnlineController::unitRemoved(CSystemDoc& document, std::uint32_t busId) {
    engine().SetConnectionState(busId, ConnectionState::NotUsed);
    m_notifier.setDocumentHasUnits(!document.system().empty());
}

bool COnlineController::runScan(CSystemDoc& document, ScanDirection direction) {
    CommEngine& line = engine();
    const CGeneralSettings settings = m_app.settings();

    ScanRequest request;
    if (direction == ScanDirection::Download) {
        request = NetworkScan::requestFor(document.system(), settings.baudRate);
    } else {
        request.family = document.family();
        request.baudIndex = settings.baudRate;
        request.scanCount = kUnitCount;
    }
    CNetworkScanDlg dialog(line, request, m_frame);
    // The scan starts once a line being closed is closed. A line taken by another system keeps naming
    // that system; the scan then fails.
    dialog.setStartGate([this, &line, &document, port = settings.port] {
        if (isLineClosing()) {
            return false;
        }
        if (m_onLineDocument == nullptr) {
            m_onLineDocument = &document;
            m_engineRunsForDocument = false;
            line.setOnlineDocument(m_notifier.onlineDocumentHooks());
            m_notifier.setDocumentHasUnits(!document.system().empty());
            line.setPortDevice(portDevice(port));
        }
        return true;
    });
    connect(&dialog, &CNetworkScanDlg::engineStartFinished, this, [this, &document](bool started) {
        if (m_onLineDocument == &document) {
            m_lineFaultShown = false;
            setOnLine(&document, started);
        }
    });
    connect(&dialog, &CNetworkScanDlg::transferRequested, this,
            [this, &document, &dialog, direction](int count) {
                transferUnits(document, direction, count, &dialog);
            });
    dialog.exec();
    if (dialog.found()) {
        CGeneralSettings reached = m_app.settings();
        reached.baudRate = line.GetConnectionBaud();
        m_app.setSettings(reached);
    }
    if (m_onLineDocument == &document && !m_engineRunsForDocument) {
        line.clearOnlineDocument();
        setOnLine(nullptr, false);
    }
    showLineFault();
    return dialog.found();
}

void COnlineController::transferUnits(CSystemDoc& document, ScanDirection direction, int count,
                                      QWidget* parent) {
    CommEngine& line = engine();
    const Family family = document.family();
    // The transfer runs on a thread of its own; it works on copies, and units read are added to the
    // document here, on the window's thread.
    auto units = std::make_shared<UnitSystem>(family);
    if (direction == ScanDirection::Download) {
        for (const auto& unit : document.system().units()) {
            units->appendLoadedUnit(Unit(*unit));
        }
    }
    CTransferDlg dialog(
        direction, count,
        [&line, units, direction](const TransferProgress& progress) {
            SystemTransfer transfer(line, FactoryPrograms::shared());
            if (direction == ScanDirection::Download) {
                transfer.sendConnectedUnits(*units, progress);
            } else {
                transfer.readConnectedUnits(*units, progress);
            }
        },
        parent);
    dialog.exec();
    if (direction == ScanDirection::Upload) {
        for (const auto& unit : units->units()) {
            document.system().appendScannedUnit(Unit(*unit));
        }
    }
}

void COnlineController::stopEngineFor(CSystemDoc& document, std::function<void()> done) {
    if (m_onLineDocument != &document) {
        return;
    }
    // The worker's hooks are gone before the document can go; the on-line pointer is cleared at once so
    // that another system may ask for the line (its scan waits until the line is closed).
    engine().clearOnlineDocument();
    if (done) {
        // Off Line: the system shows on line until the engine has stopped.
        m_afterStop.push_back([this] { setOnLine(nullptr, false); });
        m_afterStop.push_back(std::move(done));
    } else {
        // A system that goes away or gives up the line leaves it at once.
        setOnLine(nullptr, false);
    }
    if (isLineClosing()) {
        return;
    }
    showStatus(QString::fromLatin1(kClosingLineText));
    m_closer = std::thread([this, &line = engine()] {
        line.StopEngine();
        QMetaObject::invokeMethod(this, &COnlineController::onEngineStopped, Qt::QueuedConnection);
    });
}

void COnlineController::onEngineStopped() {
    if (m_closer.joinable()) {
        m_closer.join();
    }
    showStatus({});
    std::vector<std::function<void()>> pending;
    pending.swap(m_afterStop);
    for (const auto& step : pending) {
        step();
    }
    if (m_frame != nullptr) {
        m_frame->updateCommandStates();
    }
    emit lineClosed();
}

void COnlineController::sendGanging(CSystemDoc& document, std::uint32_t unitKey) {
    // Only the system that owns the line talks to it: another system's unit may share the identifier.
    const Unit* unit = document.system().FindUnit(unitKey);
    if (unit == nullptr || !isOnLine(document) || !m_engine) {
        return;
    }
    // Posted, like every edit: the window never waits on the line.
    const std::uint8_t model = familyLine(document.family()).model;
    if (const ProcessorUnit* processor = unit->processor()) {
        m_engine->PostParameter(unit->busId(), model, kInputGangingAddress,
                                static_cast<std::uint16_t>(processor->live.inputGanging()));
        m_engine->PostParameter(unit->busId(), model, kOutputGangingAddress,
                                static_cast<std::uint16_t>(processor->live.outputGanging()));
    } else if (const AmpUnit* amp = unit->amp()) {
        m_engine->PostParameter(unit->busId(), model, kInputGangingAddress,
                                static_cast<std::uint16_t>(amp->live.ganging()));
    }
}

void COnlineController::postEdit(CSystemDoc& document, const EditResult& edit) {
    // Only the system that owns the line talks to it: another system's unit may share the identifier.
    if (!isOnLine(document) || !m_engine) {
        return;
    }
    for (const ParameterSend& send : edit.sends) {
        m_engine->PostParameter(send.busId, send.model, send.address, send.value);
    }
    for (const std::uint32_t key : edit.wholeSettingsUnits) {
        if (const Unit* unit = document.system().FindUnit(key)) {
            unit->visit([&](const auto& record) { m_engine->PostUnitSettings(unit->busId(), record.live); });
        }
    }
}

void COnlineController::refreshOnLineViews() {
    if (m_onLineDocument != nullptr) {
        m_onLineDocument->refreshConnectionIndicators();
    }
    showLineFault();
}

void COnlineController::showLineFault() {
    if (m_lineFaultShown || !m_engine || m_engine->lineFault() != CommResult::DeviceGone) {
        return;
    }
    m_lineFaultShown = true;
    showStatus(QString::fromLatin1(kDeviceGoneText));
}

void COnlineController::showStatus(const QString& text) {
    if (m_frame == nullptr) {
        return;
    }
    if (text.isEmpty()) {
        m_frame->statusBar()->clearMessage();
    } else {
        m_frame->statusBar()->showMessage(text);
    }
}

CSystemDoc* COnlineController::activeDocument() const {
    return m_frame != nullptr ? m_frame->activeDocument() : nullptr;
}

void COnlineController::showOptions() {
    CSystemDoc* document = activeDocument();
    CGeneralSettings settings = m_app.settings();
    const OptionsVariant variant = optionsVariantFor(document != nullptr ? document->family() : Family::Tz48);
    if (COptionSheet::ShowOptions(variant, settings, document != nullptr && document->isOnLine(), m_frame)) {
        m_app.setSettings(settings);
    }
}

} // namespace kelo::gui
