#pragma once

#include "core/family/FamilyFacts.h"

#include <array>
#include <cstdint>

namespace kelo {

/// How a whole-unit transfer and a program store or recall run for one family: the number of user
/// programs and the pauses [ms] that give the unit time to take in a settings image and the polling
/// worker a turn on the line. Model byte, image sizes and program numbering are in FamilyLine.
struct TransferPlan {
    std::uint32_t userProgramCount;       ///< stored program slots of a unit
    std::uint32_t firstUserProgram;       ///< program number of user slot 0 (factory programs lie below)
    std::uint32_t readGroupSize;          ///< programs read under one hold of the port lock
    std::array<int, 3> readGroupPausesMs; ///< after each of the first three groups, lock released
    int readEndPauseMs;                   ///< after the last group of a read
    int settingsPauseMs;                  ///< after a send's settings image, before its programs
    int sendEndPauseMs;                   ///< after restoring the read time-out, before releasing the lock
    int storePauseMs;                     ///< after each unit's sends of a store or recall
    int linkedFactoryRecallPauseMs;       ///< after a factory recall sent to a linked unit

    /// Program number of user slot (0-based).
    std::uint32_t userProgramNumber(std::uint32_t slot) const { return slot + firstUserProgram; }
    /// True when program number names a user program.
    bool isUserProgram(std::uint32_t number) const { return number >= firstUserProgram; }
};

/// Read time-out during a whole-unit send and the pause after changing it [ms].
inline constexpr int kTransferTimeoutPauseMs = 50;

/// The plan of a family.
const TransferPlan& transferPlan(Family family);

} // namespace kelo
