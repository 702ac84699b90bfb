// The engine's queue of posted sends: the editor posts, the worker sends between polls.
#include "core/comm/engine/CommEngine.h"
#include "core/comm/engine/UnitDumps.h"

namespace kelo {

void CommEngine::PostParameter(std::uint32_t unitId, std::uint8_t model, ParameterAddress address,
                               std::uint16_t value) {
    if (!IsEngineRunning()) {
        return;
    }
    m_posted.post(QueuedSend{unitId, model, address, value, nullptr, nullptr});
}

void CommEngine::PostUnitSettings(std::uint32_t unitId, const LiveParams& live) {
    if (!IsEngineRunning()) {
        return;
    }
    m_posted.post(QueuedSend{unitId, 0, {}, 0, std::make_shared<const LiveParams>(live), nullptr});
}

void CommEngine::PostUnitSettings(std::uint32_t unitId, const AmpLiveParams& live) {
    if (!IsEngineRunning()) {
        return;
    }
    m_posted.post(QueuedSend{unitId, 0, {}, 0, nullptr, std::make_shared<const AmpLiveParams>(live)});
}

void CommEngine::setSendObserver(std::function<void(const QueuedSend&, CommResult)> observer) {
    std::lock_guard lock(m_observerMutex);
    m_sendObserver = std::move(observer);
}

void CommEngine::FlushPostedSends() {
    while (m_posted.size() > 0) {
        sendPosted();
    }
}

void CommEngine::sendPosted() {
    // Only what is waiting now: a drag that keeps posting never holds the polling up.
    for (std::size_t count = m_posted.size(); count > 0; --count) {
        std::optional<QueuedSend> send = m_posted.takeNext();
        if (!send) {
            return;
        }
        CommResult result = CommResult::Ok;
        if (send->isSettings()) {
            PortSession session(*this);
            if (!session.IsEngineRunning()) {
                m_posted.clear();
                return;
            }
            UnitDumps dumps(session, m_family);
            result = send->processorSettings ? dumps.SendUnitSettings(send->unitId, *send->processorSettings)
                                             : dumps.SendUnitSettings(send->unitId, *send->ampSettings);
        } else {
            result = SendParameter(send->unitId, send->model, send->address.block, send->address.index,
                                   send->address.offset, send->value);
        }
        std::function<void(const QueuedSend&, CommResult)> observer;
        {
            std::lock_guard lock(m_observerMutex);
            observer = m_sendObserver;
        }
        if (observer) {
            observer(*send, result);
        }
    }
}

} // namespace kelo
