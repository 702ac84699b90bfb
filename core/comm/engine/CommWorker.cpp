// The worker thread of CommEngine: connection procedure, baud climb and the polling sweeps.
#include "core/comm/engine/CommEngine.h"

namespace kelo {

void CommEngine::runWorker() {
    m_workerId = std::this_thread::get_id();
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
        // The pause is taken in slices so that an edit posted meanwhile leaves within one slice.
        for (int slept = 0; slept < kSweepPauseMs; slept += kPostedSendSliceMs) {
            m_clock.sleepFor(Clock::Duration(kPostedSendSliceMs));
            sendPosted();
        }
    }
}

bool CommEngine::connectIdentifier(std::uint8_t id, bool updateEntry) {
    PortSession session(*this);
    ConnectionEntry entry = GetConnectionEntry(id);
    std::uint8_t replyModel = kModelAny;
    std::array<std::uint32_t, kStatusFieldCount> status = entry.status;
    const auto model = static_cast<std::uint8_t>(entry.model);
    const bool answered =
        noteResult(session.exchange()->connectionPoll(model, id, replyModel, status)) == CommResult::Ok;
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
    // Every identifier and climb step looks at the running flag, so a stop waits for one exchange at most.
    for (std::uint8_t id = 0; id < kUnitCount && IsEngineRunning(); ++id) {
        if (GetConnectionEntry(id).state == ConnectionState::ToBePolled) {
            connectIdentifier(id, true);
        }
    }
    climb(GetConnectionBaud());
}

void CommEngine::climb(int target) {
    int current = 0;
    bool trouble = false;
    while (current < target && IsEngineRunning()) {
        for (std::uint8_t id = 0; id < kUnitCount && IsEngineRunning(); ++id) {
            if (GetConnectionEntry(id).state == ConnectionState::ToBePolled &&
                !connectIdentifier(id, false)) {
                trouble = true;
            }
        }
        if (!IsEngineRunning()) {
            break;
        }
        ++current;
        for (std::uint8_t id = 0; id < kUnitCount && IsEngineRunning(); ++id) {
            const ConnectionEntry entry = GetConnectionEntry(id);
            if (entry.state != ConnectionState::ToBePolled) {
                continue;
            }
            PortSession session(*this);
            const auto model = static_cast<std::uint8_t>(entry.model);
            if (noteResult(session.exchange()->setUnitBaudRate(model, id, current)) != CommResult::Ok) {
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
        if (!IsEngineRunning()) {
            return;
        }
        bool polled = false;
        {
            PortSession session(*this);
            ConnectionEntry entry = GetConnectionEntry(id);
            if (entry.state == ConnectionState::ToBePolled || entry.state == ConnectionState::Connected) {
                polled = true;
                std::array<std::uint32_t, kStatusFieldCount> status = entry.status;
                const auto model = static_cast<std::uint8_t>(entry.model);
                if (noteResult(session.exchange()->statusPoll(model, id, status)) == CommResult::Ok) {
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
        if (m_onlineDocument && m_scanDialog && m_scanDialog->identifierPolled) {
            hook = m_scanDialog->identifierPolled;
            ++m_hookCalls;
        }
    }
    callHook(hook);
}

void CommEngine::notifyFirstSweep() {
    std::function<void()> hook;
    {
        std::lock_guard hooksLock(m_hooksMutex);
        if (m_onlineDocument && m_scanDialog) {
            hook = m_scanDialog->firstSweepDone;
            m_scanDialog.reset();
            if (hook) {
                ++m_hookCalls;
            }
        }
    }
    callHook(hook);
}

void CommEngine::notifyRefresh() {
    OnlineDocumentHooks document;
    {
        std::lock_guard hooksLock(m_hooksMutex);
        if (!m_viewRefresh || !m_onlineDocument || !m_onlineDocument->refreshViews) {
            return;
        }
        document = *m_onlineDocument;
        ++m_hookCalls;
    }
    callHook([&document] {
        if (!document.hasUnits || document.hasUnits()) {
            document.refreshViews();
        }
    });
}

} // namespace kelo
