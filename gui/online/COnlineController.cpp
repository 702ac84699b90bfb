#include "gui/online/COnlineController.h"

#include "core/comm/engine/SystemTransfer.h"
#include "core/comm/engine/UnitDumps.h"
#include "core/comm/engine/UnitTransfer.h"
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
#include <QApplication>

#include <optional>

namespace kelo::gui {

namespace {

/// Keeps the wait cursor up while the GUI thread waits for the line.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

COnlineController::COnlineController(CEditorApp& app, QObject* parent) : QObject(parent), m_app(app) {
    connect(&m_notifier, &CEngineNotifier::viewsRefreshRequested, this,
            &COnlineController::refreshOnLineViews, Qt::QueuedConnection);
}

COnlineController::~COnlineController() {
    if (m_frame != nullptr) {
        CSystemDoc::lineHooks() = LineHooks{};
    }
}

CommEngine& COnlineController::engine() {
    if (!m_engine) {
        DiagnosticLog* log = m_app.diagnosticFlag() && m_log.activateIfPresent() ? &m_log : nullptr;
        m_engine = std::make_unique<CommEngine>(*m_clock, log);
    }
    return *m_engine;
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

    LineHooks& hooks = CSystemDoc::lineHooks();
    hooks.scanForNewSystem = [this](CSystemDoc& document) { return scanForNewSystem(document); };
    hooks.reconnect = [this](CSystemDoc& document) {
        {
            WaitCursor wait;
            engine().StopEngine();
        }
        goOnLine(document);
    };
    hooks.takeOffLine = [this](CSystemDoc& document) { stopEngineFor(document); };
    hooks.unitRemoved = [this](CSystemDoc& document, int busId) {
        engine().SetConnectionState(static_cast<std::uint32_t>(busId), ConnectionState::NotUsed);
        m_notifier.setDocumentHasUnits(!document.system().empty());
    };
    hooks.sendGanging = [this](CSystemDoc& document, std::uint32_t unitKey) {
        sendGanging(document, unitKey);
    };
    hooks.connectionState = [this](int busId) {
        return static_cast<int>(engine().GetConnectionEntry(static_cast<std::uint32_t>(busId)).state);
    };
    CSystemEditor::sendHook() = [this](CSystemDoc& document, const EditResult& edit) {
        postEdit(document, edit);
    };
    CSystemEditor::linkSetting() = [this] { return m_app.settings().link != 0; };
}

void COnlineController::goOnLine(CSystemDoc& document) {
    if (document.isOnLine() && engine().IsEngineRunning()) {
        return;
    }
    runScan(document, ScanDirection::Download);
    if (document.isOnLine()) {
        engine().setViewRefresh(true);
    } else if (m_app.onLineDocument() == &document) {
        m_app.setOnLineDocument(nullptr);
        engine().clearOnlineDocument();
    }
    if (m_frame != nullptr) {
        m_frame->updateCommandStates();
    }
}

void COnlineController::goOffLine(CSystemDoc& document) {
    if (!document.isOnLine()) {
        return;
    }
    document.setOnLine(false);
    stopEngineFor(document);
    document.refreshConnectionIndicators();
    if (m_frame != nullptr) {
        m_frame->updateCommandStates();
    }
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
        if (document.isOnLine()) {
            stopEngineFor(document);
            document.setOnLine(false);
        }
        return ScanOutcome::BackToChooser;
    }
    if (document.system().empty()) {
        stopEngineFor(document);
        document.setOnLine(false);
        return ScanOutcome::Discard;
    }
    m_notifier.setDocumentHasUnits(true);
    // Keys 0, 1, 2..., ganging switched off where the routing forbids it, view refresh on.
    SystemTransfer(engine(), FactoryPrograms::shared()).RenumberAfterScan(document.system());
    return ScanOutcome::Done;
}

bool COnlineController::runScan(CSystemDoc& document, ScanDirection direction) {
    CommEngine& line = engine();
    const CGeneralSettings settings = m_app.settings();
    // A line taken by another system keeps naming that system; the scan below then fails.
    if (!line.IsEngineRunning()) {
        m_app.setOnLineDocument(&document);
        line.setOnlineDocument(m_notifier.onlineDocumentHooks());
        m_notifier.setDocumentHasUnits(!document.system().empty());
        line.setPortDevice(portDevice(settings.port));
    }

    ScanRequest request;
    if (direction == ScanDirection::Download) {
        request = NetworkScan::requestFor(document.system(), settings.baudRate);
    } else {
        request.family = document.family();
        request.baudIndex = settings.baudRate;
        request.scanCount = kUnitCount;
    }
    CNetworkScanDlg dialog(line, request, m_frame);
    connect(&dialog, &CNetworkScanDlg::engineStartFinished, this, [&document](bool started) {
        document.setOnLine(started);
        document.refreshConnectionIndicators();
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
    if (!document.isOnLine() && m_app.onLineDocument() == &document) {
        m_app.setOnLineDocument(nullptr);
        line.clearOnlineDocument();
    }
    return dialog.found();
}

void COnlineController::transferUnits(CSystemDoc& document, ScanDirection direction, int count,
                                      QWidget* parent) {
    CommEngine& line = engine();
    const Family family = document.family();
    const auto belongs = [&line, family](std::uint32_t id) {
        return isConnectedFor(line.GetConnectionEntry(id), family);
    };
    auto transfer = std::make_shared<UnitTransfer>(line, family, FactoryPrograms::shared());
    std::vector<TransferStep> steps;
    auto read = std::make_shared<std::vector<std::optional<Unit>>>();
    if (direction == ScanDirection::Download) {
        for (const auto& unit : document.system().units()) {
            if (belongs(unit->busId())) {
                steps.push_back({unit->busId(), [transfer, copy = *unit] { transfer->SendUnit(copy); }});
            }
        }
    } else {
        for (std::uint32_t id = 0; id < kUnitCount; ++id) {
            if (belongs(id)) {
                const std::size_t slot = read->size();
                read->emplace_back();
                steps.push_back(
                    {id, [transfer, read, slot, id] { (*read)[slot] = transfer->ReadUnit(id).unit; }});
            }
        }
    }
    CTransferDlg dialog(direction, count, std::move(steps), parent);
    dialog.exec();
    for (std::optional<Unit>& unit : *read) {
        if (unit) {
            document.system().appendScannedUnit(std::move(*unit));
        }
    }
}

void COnlineController::stopEngineFor(CSystemDoc& document) {
    if (m_app.onLineDocument() != &document && !document.isOnLine()) {
        return;
    }
    {
        WaitCursor wait;
        engine().StopEngine();
    }
    engine().clearOnlineDocument();
    if (m_app.onLineDocument() == &document) {
        m_app.setOnLineDocument(nullptr);
    }
}

void COnlineController::sendGanging(CSystemDoc& document, std::uint32_t unitKey) {
    // Only the system that owns the line talks to it: another system's unit may share the identifier.
    const Unit* unit = document.system().FindUnit(unitKey);
    if (unit == nullptr || m_app.onLineDocument() != &document || !m_engine) {
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
    if (m_app.onLineDocument() != &document || !m_engine) {
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
    if (CSystemDoc* document = m_app.onLineDocument()) {
        document->refreshConnectionIndicators();
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
