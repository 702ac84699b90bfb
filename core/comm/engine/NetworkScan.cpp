#include "core/comm/engine/NetworkScan.h"

#include "core/comm/engine/UnitDumps.h"
#include "core/comm/protocol/FamilyLine.h"
#include "core/units/UnitSystem.h"

namespace kelo {

NetworkScan::~NetworkScan() {
    if (m_registered) {
        m_engine.clearScanDialog();
    }
}

ScanRequest NetworkScan::requestFor(const UnitSystem& system, int baudIndex) {
    ScanRequest request;
    request.family = system.family();
    request.baudIndex = baudIndex;
    for (const auto& unit : system.units()) {
        request.ids.push_back(unit->busId());
    }
    request.sendAfterScan = true;
    request.scanCount = system.lastUnitKey() + 1;
    return request;
}

CommResult NetworkScan::start(const ScanRequest& request) {
    m_family = request.family;
    {
        std::lock_guard lock(m_mutex);
        m_polled = 0;
        m_done = false;
    }
    const bool all = request.ids.empty();
    m_scanCount = request.scanCount != 0 ? request.scanCount
                                         : static_cast<std::uint32_t>(all ? kUnitCount : request.ids.size());

    m_engine.SetAllStates(all ? ConnectionState::ToBePolled : ConnectionState::NotUsed);
    for (std::uint32_t id : request.ids) {
        if (id < kUnitCount) {
            m_engine.SetConnectionState(id, ConnectionState::ToBePolled);
        }
    }
    m_engine.SetConnectionBaud(request.baudIndex);
    // The worker reports progress only while a system is on line; a caller without views (the command
    // line, tests) is given a stand-in.
    if (!m_engine.hasOnlineDocument()) {
        m_engine.setOnlineDocument({[] {}, [] { return false; }});
    }
    m_engine.setScanDialog({[this] { onIdentifierPolled(); }, [this] { onSweepDone(); }});
    m_registered = true;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        ConnectionEntry entry = m_engine.GetConnectionEntry(id);
        entry.identifier = id;
        entry.model = kModelAny;
        m_engine.SetConnectionEntry(id, entry);
    }
    if (request.sendAfterScan) {
        for (std::uint32_t id : request.ids) {
            if (id < kUnitCount) {
                ConnectionEntry entry = m_engine.GetConnectionEntry(id);
                entry.model = familyLine(m_family).model;
                m_engine.SetConnectionEntry(id, entry);
            }
        }
    }
    const CommResult result = m_engine.StartEngine(m_family);
    if (result != CommResult::Ok) {
        m_engine.clearScanDialog();
        m_registered = false;
    }
    return result;
}

void NetworkScan::onIdentifierPolled() {
    std::lock_guard lock(m_mutex);
    ++m_polled;
    m_changed.notify_all();
}

void NetworkScan::onSweepDone() {
    std::lock_guard lock(m_mutex);
    m_polled = m_scanCount;
    m_done = true;
    m_changed.notify_all();
}

std::uint32_t NetworkScan::polled() const {
    std::lock_guard lock(m_mutex);
    return m_polled;
}

bool NetworkScan::done() const {
    std::lock_guard lock(m_mutex);
    return m_done;
}

bool NetworkScan::waitUntilDone(std::chrono::milliseconds step) {
    if (!m_registered) {
        return done();
    }
    // The worker raises the running flag itself once it has started, and it never stops on its own:
    // a flag that was seen up and is down again means someone stopped the engine.
    bool seenRunning = false;
    while (true) {
        {
            std::unique_lock lock(m_mutex);
            if (m_changed.wait_for(lock, step, [this] { return m_done; })) {
                return true;
            }
        }
        const bool running = m_engine.IsEngineRunning();
        if (!running && seenRunning) {
            return done();
        }
        seenRunning = running;
    }
}

std::vector<std::string> NetworkScan::resultLines() const {
    std::vector<std::string> lines;
    const bool withId = familyFacts(m_family).showsBusId;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        const ConnectionEntry entry = m_engine.GetConnectionEntry(id);
        const bool answered = isConnectedFor(entry, m_family);
        if (!answered && entry.state != ConnectionState::Connected &&
            entry.state != ConnectionState::NotResponding) {
            continue;
        }
        const std::string text = answered ? "Unit Connected" : "Unit Not Connected";
        lines.push_back(withId ? "ID " + std::to_string(id + 1) + ": " + text : text);
    }
    return lines;
}

std::vector<std::uint32_t> NetworkScan::connectedIds() const {
    std::vector<std::uint32_t> ids;
    for (std::uint32_t id = 0; id < kUnitCount; ++id) {
        if (isConnectedFor(m_engine.GetConnectionEntry(id), m_family)) {
            ids.push_back(id);
        }
    }
    return ids;
}

} // namespace kelo
