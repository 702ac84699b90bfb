#pragma once

#include "sim/Simulator.h"
#include "tests/sim/LinePeer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kelo::sim::test {

using Bytes = std::vector<std::uint8_t>;

/// A simulator with still meters (all status fields 0) and the editor's end of its line.
class SimLineTest : public ::testing::Test {
protected:
    void start(Family family, std::vector<std::uint8_t> ids) {
        SimOptions options;
        options.family = family;
        options.ids = ids;
        m_sim = std::make_unique<Simulator>(options);
        for (std::uint8_t id : ids) {
            m_sim->modifyUnit(id, [](SimUnit& unit) { unit.metersMoving = false; });
        }
        m_peer = std::make_unique<LinePeer>(m_sim->devicePath());
    }

    Simulator& sim() { return *m_sim; }
    LinePeer& peer() { return *m_peer; }

    /// The status reply of unit @p id with every field 0.
    Bytes stillStatus(std::uint8_t id) const {
        const std::uint8_t model = m_sim->family() == Family::TzAmp ? 0x09 : 0x08;
        Bytes reply{0xF0, 0x2F, model, id, 0x1C};
        reply.resize(m_sim->family() == Family::TzAmp ? 7 : 11, 0x00);
        reply.push_back(0xF7);
        return reply;
    }

    static Bytes statusRequest(std::uint8_t id, std::uint8_t model = 0x7F) {
        return {0xF0, 0x2F, model, id, 0x02, 0xF7};
    }

    /// Sends @p message, then polls @p probeId: the first answer on the line must be the probe's,
    /// so @p message was not answered.
    void expectUnanswered(const Bytes& message, std::uint8_t probeId) {
        peer().write(message);
        const Bytes expected = stillStatus(probeId);
        EXPECT_EQ(peer().exchange(statusRequest(probeId), expected.size()), expected);
    }

    std::unique_ptr<Simulator> m_sim;
    std::unique_ptr<LinePeer> m_peer;
};

} // namespace kelo::sim::test
