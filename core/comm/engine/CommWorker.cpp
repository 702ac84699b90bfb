// The worker thread of CommEngine: connection procedure, baud climb and the polling sweeps.
#include "core/comm/engine/CommEngine.h"

namespace kelo {

void CommEngine::runWorker() {
    {
        PortSession session(*this);
        session.line()->SetReadTimeout(kConnectReadTimeoutMs);
    }
    connectionProcedure();
    {
        PortSession session(*this);
        session.line()->SetReadTimeout(kPollReadTimeoutMs);
    }
    while (IsEngineRunning()) {
        sweep();
        m_clock.sleepFor(Clock::Duration(kSweepPauseMs));
    }
}

bool CommEngine::connectIdentifier(std::uint8_t id, bool updateEntry) {
    PortSession session(*this);
    ConnectionEntry entry = GetConnectionEntry(id);
    std::uint8_t replyModel = kModelAny;
    std::array<std::uint32_t, kStatusFieldCount> status = entry.status;
    const auto model = static_cast<std::uint8_t>(entry.model);
    const bool answered = session.exchange()->connectionPoll(model, id, replyModel, status) == CommResult::Ok;
    if (!updateEntry) {
        return answered;
    }
    if (answered && entry.model == kModelAny) {
        entry.model = replyModel;
    }
    // A unit of another family is never connected to this system: its configuration must not be read
    // into, or written from, a document it does not belong to.
    const bool ownFamily = entry.model == familyLine(m_family).model;
    if (!answered || !ownFamily) {
        entry.state = ConnectionState::NotResponding;
        entry.errorFlag = 1;
    }
    SetConnectionEntry(id, entry);
    return answered && ownFamily;
}

void CommEngine::connectionProcedure() {
    {
        PortSession session(*this);
        session.line()->SetPortBaudRate(0);
    }
    m_clock.sleepFor(Clock::Duration(kClimbStepPauseMs));
    for (std::uint8_t id = 0; id < kUnitCount; ++id) {
        if (GetConnectionEntry(id).state == ConnectionState::ToBePolled) {
            connectIdentifier(id, true);
        }
    }
    climb(GetConnectionBaud());
}

void CommEngine::climb(int target) {
    int current = 0;
    bool trouble = false;
    while (current < target) {
        for (std::uint8_t id = 0; id < kUnitCount; ++id) {
            if (GetConnectionEntry(id).state == ConnectionState::ToBePolled &&
                !connectIdentifier(id, false)) {
                trouble = true;
            }
        }
        ++current;
        for (std::uint8_t id = 0; id < kUnitCount; ++id) {
            const ConnectionEntry entry = GetConnectionEntry(id);
            if (entry.state != ConnectionState::ToBePolled) {
                continue;
            }
            PortSession session(*this);
            const auto model = static_cast<std::uint8_t>(entry.model);
            if (session.exchange()->setUnitBaudRate(model, id, current) != CommResult::Ok) {
                trouble = true;
            }
        }
        m_clock.sleepFor(Clock::Duration(kClimbStepPauseMs));
        {
            PortSession session(*this);
            session.exchange()->broadcastBaudRate(current);
        }
        m_clock.sleepFor(Clock::Duration(kClimbStepPauseMs));
        {
            PortSession session(*this);
            session.line()->SetPortBaudRate(current);
        }
        m_clock.sleepFor(Clock::Duration(kClimbStepPauseMs));
        if (trouble) {
            break;
        }
    }
    SetConnectionBaud(current);
}

void CommEngine::sweep() {
    for (std::uint8_t id = 0; id < kUnitCount; ++id) {
        bool polled = false;
        {
            PortSession session(*this);
            ConnectionEntry entry = GetConnectionEntry(id);
            if (entry.state == ConnectionState::ToBePolled || entry.state == ConnectionState::Connected) {
                polled = true;
                std::array<std::uint32_t, kStatusFieldCount> status = entry.status;
                const auto model = static_cast<std::uint8_t>(entry.model);
                if (session.exchange()->statusPoll(model, id, status) == CommResult::Ok) {
                    entry.state = ConnectionState::Connected;
                    entry.status = status;
                    entry.errorFlag = 0;
                } else {
                    entry.state = ConnectionState::NotResponding;
                    entry.errorFlag = 1;
                    if (m_log != nullptr) {
                        m_log->writeErrorRecord(id, baudRateOf(GetConnectionBaud()));
                    }
                }
                SetConnectionEntry(id, entry);
            }
        }
        if (polled) {
            notifyIdentifierPolled();
        }
        sendPosted();
    }
    notifyFirstSweep();
    notifyRefresh();
}

void CommEngine::notifyIdentifierPolled() {
    std::function<void()> hook;
    {
        std::lock_guard hooksLock(m_hooksMutex);
        if (m_onlineDocument && m_scanDialog) {
            hook = m_scanDialog->identifierPolled;
        }
    }
    if (hook) {
        hook();
    }
}

void CommEngine::notifyFirstSweep() {
    std::function<void()> hook;
    {
        std::lock_guard hooksLock(m_hooksMutex);
        if (m_onlineDocument && m_scanDialog) {
            hook = m_scanDialog->firstSweepDone;
            m_scanDialog.reset();
        }
    }
    if (hook) {
        hook();
    }
}

void CommEngine::notifyRefresh() {
    OnlineDocumentHooks document;
    {
        std::lock_guard hooksLock(m_hooksMutex);
        if (!m_viewRefresh || !m_onlineDocument) {
            return;
        }
        document = *m_onlineDocument;
    }
    if (document.refreshViews && (!document.hasUnits || document.hasUnits())) {
        document.refreshViews();
    }
}

} // namespace kelo
