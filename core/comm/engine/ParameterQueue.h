#pragma once

#include "core/edit/ParameterAddress.h"
#include "core/units/amp/AmpLiveParams.h"
#include "core/units/processor/LiveParams.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>

namespace kelo {

/// One message waiting for the engine's worker: a `ParameterSet`, or a unit's whole settings image
/// (a delay too long for a `ParameterSet`).
struct QueuedSend {
    std::uint32_t unitId = 0;
    std::uint8_t model = 0;
    ParameterAddress address{};
    std::uint16_t value = 0;
    std::shared_ptr<const LiveParams> processorSettings; ///< set: send this image instead
    std::shared_ptr<const AmpLiveParams> ampSettings;    ///< set: send this image instead

    bool isSettings() const { return processorSettings || ampSettings; }
};

/// The sends posted by the editor, waiting for the worker. Thread-safe.
///
/// A newer message for the same unit and address (or a newer image for the same unit) replaces the
/// waiting one and moves to the back, so the messages leave in the order of their newest values and
/// the last value always arrives; intermediate values may be skipped.
class ParameterQueue {
public:
    void post(QueuedSend send);
    /// The oldest waiting message, removed from the queue; nothing when the queue is empty.
    std::optional<QueuedSend> takeNext();
    std::size_t size() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::deque<QueuedSend> m_sends;
};

} // namespace kelo
