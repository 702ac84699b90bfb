#include "core/comm/engine/ParameterQueue.h"

#include <algorithm>

namespace kelo {

namespace {

bool replaces(const QueuedSend& newer, const QueuedSend& waiting) {
    if (newer.unitId != waiting.unitId || newer.isSettings() != waiting.isSettings()) {
        return false;
    }
    return newer.isSettings() || newer.address == waiting.address;
}

} // namespace

void ParameterQueue::post(QueuedSend send) {
    std::lock_guard lock(m_mutex);
    const auto waiting = std::find_if(m_sends.begin(), m_sends.end(),
                                      [&](const QueuedSend& queued) { return replaces(send, queued); });
    if (waiting != m_sends.end()) {
        m_sends.erase(waiting);
    }
    m_sends.push_back(std::move(send));
}

std::optional<QueuedSend> ParameterQueue::takeNext() {
    std::lock_guard lock(m_mutex);
    if (m_sends.empty()) {
        return std::nullopt;
    }
    QueuedSend next = std::move(m_sends.front());
    m_sends.pop_front();
    return next;
}

std::size_t ParameterQueue::size() const {
    std::lock_guard lock(m_mutex);
    return m_sends.size();
}

void ParameterQueue::clear() {
    std::lock_guard lock(m_mutex);
    m_sends.clear();
}

} // namespace kelo
