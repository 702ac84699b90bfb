#include "core/comm/engine/CommEngine.h"

#include "core/comm/line/PosixSerialLine.h"

#include <system_error>

namespace kelo {

namespace {

bool isValidId(std::uint32_t id) {
    return id < kUnitCount;
}

ConnectionEntry defaultEntry(std::uint32_t id) {
    ConnectionEntry entry;
    entry.identifier = id;
    return entry;
}

} // namespace

CommEngine::CommEngine(Clock& clock, DiagnosticLog* log) : m_clock(clock), m_log(log) {
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        m_table[id] = defaultEntry(id);
    }
}

CommEngine::~CommEngine() {
    SetEngineRunning(false);
    if (m_worker.joinable()) {
        m_worker.join();
    }
    closeLine();
}

void CommEngine::setPortDevice(const std::string& devicePath) {
    setLineFactory([devicePath, this] { return std::make_unique<PosixSerialLine>(devicePath, m_clock); });
}

void CommEngine::setLineFactory(LineFactory factory) {
    m_lineFactory = std::move(factory);
}

CommResult CommEngine::StartEngine(Family family) {
    std::lock_guard portLock(m_portMutex);
    if (IsEngineRunning() || m_worker.joinable()) {
        return CommResult::AlreadyRunning;
    }
    std::unique_ptr<SerialLine> line = m_lineFactory ? m_lineFactory() : nullptr;
    if (!line || line->OpenPort() != CommResult::Ok) {
        return CommResult::PortNotOpened;
    }
    line->InitPort(0);
    m_family = family;
    m_line = std::move(line);
    m_exchange = std::make_unique<MessageExchange>(*m_line, family, m_log);
    m_deviceGone = false;
    // The flag is raised before the worker exists, so a stop that follows at once always finds and
    // joins the worker.
    SetEngineRunning(true);
    try {
        m_worker = std::thread([this] { runWorker(); });
    } catch (const std::system_error&) {
        SetEngineRunning(false);
        closeLine();
        return CommResult::ThreadNotCreated;
    }
    return CommResult::Ok;
}

CommResult CommEngine::StopEngine() {
    CommResult result = CommResult::Ok;
    const bool ran = IsEngineRunning() || m_worker.joinable();
    if (ran) {
        SetEngineRunning(false);
        if (m_worker.joinable()) {
            m_worker.join();
        }
        result = closeLine();
    }
    if (m_log != nullptr) {
        m_log->writeSummary(baudRateOf(GetConnectionBaud()));
    }
    setViewRefresh(false);
    if (ran) {
        m_clock.sleepFor(Clock::Duration(kStopPauseMs));
    }
    return result;
}

CommResult CommEngine::closeLine() {
    std::lock_guard portLock(m_portMutex);
    if (!m_line) {
        return CommResult::Ok;
    }
    const CommResult result = m_line->ClosePort();
    m_exchange.reset();
    m_line.reset();
    return result;
}

CommResult CommEngine::SendParameter(std::uint32_t unitId, std::uint8_t model, std::uint8_t blockCode,
                                     std::uint8_t index, std::uint8_t offset, std::uint16_t value) {
    PortSession session(*this);
    if (!session.IsEngineRunning() || session.exchange() == nullptr) {
        return CommResult::Ok;
    }
    if (!isValidId(unitId) || GetConnectionEntry(unitId).state != ConnectionState::Connected) {
        return CommResult::NotConnected;
    }
    const auto id = static_cast<std::uint8_t>(unitId);
    const CommResult result =
        noteResult(session.exchange()->setParameter(model, id, {blockCode, index, offset, value}));
    if (result != CommResult::Ok) {
        SetConnectionState(unitId, ConnectionState::NotResponding);
    }
    return result;
}

ConnectionEntry CommEngine::GetConnectionEntry(std::uint32_t id) const {
    if (!isValidId(id)) {
        return defaultEntry(id);
    }
    std::lock_guard tableLock(m_tableMutex);
    return m_table[id];
}

void CommEngine::SetConnectionEntry(std::uint32_t id, const ConnectionEntry& entry) {
    if (!isValidId(id)) {
        return;
    }
    std::lock_guard tableLock(m_tableMutex);
    m_table[id] = entry;
}

void CommEngine::SetConnectionState(std::uint32_t id, ConnectionState state) {
    if (!isValidId(id)) {
        return;
    }
    std::lock_guard tableLock(m_tableMutex);
    m_table[id].state = state;
}

void CommEngine::SetAllStates(ConnectionState state) {
    std::lock_guard tableLock(m_tableMutex);
    for (ConnectionEntry& entry : m_table) {
        entry.state = state;
    }
}

bool CommEngine::IsEngineRunning() const {
    std::lock_guard tableLock(m_tableMutex);
    return m_running;
}

void CommEngine::SetEngineRunning(bool running) {
    std::lock_guard tableLock(m_tableMutex);
    m_running = running;
}

int CommEngine::GetConnectionBaud() const {
    std::lock_guard tableLock(m_tableMutex);
    return m_connectionBaud;
}

void CommEngine::SetConnectionBaud(int baudIndex) {
    std::lock_guard tableLock(m_tableMutex);
    m_connectionBaud = baudIndex >= 0 && baudIndex < static_cast<int>(kBaudRates.size()) ? baudIndex : 0;
}

void CommEngine::setScanDialog(ScanDialogHooks hooks) {
    std::lock_guard hooksLock(m_hooksMutex);
    m_scanDialog = std::move(hooks);
}

void CommEngine::clearScanDialog() {
    std::unique_lock hooksLock(m_hooksMutex);
    m_scanDialog.reset();
    waitForHookCalls(hooksLock);
}

void CommEngine::setOnlineDocument(OnlineDocumentHooks hooks) {
    std::lock_guard hooksLock(m_hooksMutex);
    m_onlineDocument = std::move(hooks);
}

void CommEngine::clearOnlineDocument() {
    std::unique_lock hooksLock(m_hooksMutex);
    m_onlineDocument.reset();
    waitForHookCalls(hooksLock);
}

void CommEngine::waitForHookCalls(std::unique_lock<std::mutex>& lock) {
    // A hook that clears itself from the worker would wait for its own call.
    if (std::this_thread::get_id() == m_workerId.load()) {
        return;
    }
    m_hookCallsDone.wait(lock, [this] { return m_hookCalls == 0; });
}

void CommEngine::callHook(const std::function<void()>& hook) {
    if (!hook) {
        return;
    }
    hook();
    std::lock_guard hooksLock(m_hooksMutex);
    --m_hookCalls;
    m_hookCallsDone.notify_all();
}

CommResult CommEngine::noteResult(CommResult result) {
    if (result == CommResult::DeviceGone) {
        m_deviceGone = true;
    }
    return result;
}

CommResult CommEngine::lineFault() const {
    return m_deviceGone ? CommResult::DeviceGone : CommResult::Ok;
}

bool CommEngine::hasOnlineDocument() const {
    std::lock_guard hooksLock(m_hooksMutex);
    return m_onlineDocument.has_value();
}

void CommEngine::setViewRefresh(bool on) {
    std::lock_guard hooksLock(m_hooksMutex);
    m_viewRefresh = on;
}

bool CommEngine::viewRefresh() const {
    std::lock_guard hooksLock(m_hooksMutex);
    return m_viewRefresh;
}

CommEngine::PortSession::PortSession(CommEngine& engine) : m_engine(engine), m_lock(engine.m_portMutex) {}

CommResult CommEngine::PortSession::runOnUnit(std::uint32_t id, bool refusedIsFailure,
                                              const std::function<CommResult(MessageExchange&)>& operation) {
    if (!IsEngineRunning() || exchange() == nullptr) {
        return CommResult::NotConnected;
    }
    if (!isValidId(id) || m_engine.GetConnectionEntry(id).state != ConnectionState::Connected) {
        return CommResult::Ok;
    }
    const CommResult result = m_engine.noteResult(operation(*exchange()));
    const bool noProgram = result == CommResult::UploadRefused && !refusedIsFailure;
    if (result != CommResult::Ok && !noProgram) {
        m_engine.SetConnectionState(id, ConnectionState::NotResponding);
    }
    return result;
}

} // namespace kelo
