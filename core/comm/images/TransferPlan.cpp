#include "core/comm/images/TransferPlan.h"

namespace kelo {

namespace {

constexpr TransferPlan kTz48Plan{.userProgramCount = familyFacts(Family::Tz48).userProgramCount,
                                 .firstUserProgram = familyFacts(Family::Tz48).firstUserProgram,
                                 .readGroupSize = 16,
                                 .readGroupPausesMs = {100, 50, 50},
                                 .readEndPauseMs = 200,
                                 .settingsPauseMs = 2500,
                                 .sendEndPauseMs = 100,
                                 .storePauseMs = 2500,
                                 .linkedFactoryRecallPauseMs = 1500};
constexpr TransferPlan kTz48PPlan{.userProgramCount = familyFacts(Family::Tz48P).userProgramCount,
                                  .firstUserProgram = familyFacts(Family::Tz48P).firstUserProgram,
                                  .readGroupSize = 16,
                                  .readGroupPausesMs = {100, 50, 50},
                                  .readEndPauseMs = 200,
                                  .settingsPauseMs = 2500,
                                  .sendEndPauseMs = 100,
                                  .storePauseMs = 2500,
                                  .linkedFactoryRecallPauseMs = 2500};
constexpr TransferPlan kTzAmpPlan{.userProgramCount = familyFacts(Family::TzAmp).userProgramCount,
                                  .firstUserProgram = familyFacts(Family::TzAmp).firstUserProgram,
                                  .readGroupSize = 8,
                                  .readGroupPausesMs = {100, 100, 100},
                                  .readEndPauseMs = 200,
                                  .settingsPauseMs = 1200,
                                  .sendEndPauseMs = 50,
                                  .storePauseMs = 1500,
                                  .linkedFactoryRecallPauseMs = 1500};
// A read runs in four groups: three pauses between them, one after the last.
static_assert(kTz48Plan.userProgramCount == 4 * kTz48Plan.readGroupSize);
static_assert(kTz48PPlan.userProgramCount == 4 * kTz48PPlan.readGroupSize);
static_assert(kTzAmpPlan.userProgramCount == 4 * kTzAmpPlan.readGroupSize);

} // namespace

const TransferPlan& transferPlan(Family family) {
    switch (family) {
    case Family::Tz48:
        return kTz48Plan;
    case Family::Tz48P:
        return kTz48PPlan;
    case Family::TzAmp:
        return kTzAmpPlan;
    }
    return kTz48Plan;
}

} // namespace kelo
