#pragma once

#include "app/Family.h"

#include <array>
#include <cstdint>

namespace kelo {

/// What a whole-unit transfer and a program store or recall look like for one family: how user programs
/// are numbered on the line, and the pauses (in milliseconds) that give the unit time to take in a
/// settings image and the polling worker a turn on the line.
struct TransferPlan {
    std::uint8_t model;                   ///< model byte in every message to the unit
    std::uint32_t userProgramCount;       ///< stored program slots of a unit
    std::uint32_t firstUserProgram;       ///< program number of user slot 0 (factory programs lie below)
    std::uint32_t readGroupSize;          ///< programs read under one hold of the port lock
    std::array<int, 3> readGroupPausesMs; ///< after the first three groups of a read, lock released
    int readEndPauseMs;                   ///< after the last group of a read
    int transferTimeoutMs;                ///< read time-out during a send
    int normalTimeoutMs;                  ///< read time-out restored after a send
    int timeoutPauseMs;                   ///< after setting the transfer time-out
    int settingsPauseMs;                  ///< after a send's settings image, before its programs
    int sendEndPauseMs;                   ///< after restoring the read time-out, before releasing the lock
    int storePauseMs;                     ///< after each unit's sends of a store or recall
    int linkedFactoryRecallPauseMs;       ///< after a factory recall sent to a linked unit

    /// Program number of user slot (0-based).
    std::uint32_t userProgramNumber(std::uint32_t slot) const { return slot + firstUserProgram; }
    /// True when program number names a user program.
    bool isUserProgram(std::uint32_t number) const { return number >= firstUserProgram; }
};

/// The plan of a family.
const TransferPlan& transferPlan(Family family);

} // namespace kelo
