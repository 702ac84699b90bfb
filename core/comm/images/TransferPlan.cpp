#include "core/comm/images/TransferPlan.h"

namespace kelo {

namespace {

constexpr TransferPlan kTz48Plan{64, 10, 16, {100, 50, 50}, 200, 2500, 100, 2500, 1500};
constexpr TransferPlan kTz48PPlan{64, 1, 16, {100, 50, 50}, 200, 2500, 100, 2500, 2500};
constexpr TransferPlan kTzAmpPlan{32, 1, 8, {100, 100, 100}, 200, 1200, 50, 1500, 1500};

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
