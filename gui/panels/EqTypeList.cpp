#include "gui/panels/EqTypeList.h"

#include <array>

namespace kelo::gui {

namespace {

// "Peaking", "LowSh6", "LowSh12", "HiSh6", "HiSh12", "Notch".
constexpr std::array<int, kEqTypeListSize> kStoredTypes{2, 0, 1, 4, 3, 9};

} // namespace

int eqTypeFromListPosition(int position) {
    if (position < 0 || position >= kEqTypeListSize) {
        return -1;
    }
    return kStoredTypes[static_cast<std::size_t>(position)];
}

int eqListPositionFromType(int type) {
    for (int position = 0; position < kEqTypeListSize; ++position) {
        if (kStoredTypes[static_cast<std::size_t>(position)] == type) {
            return position;
        }
    }
    return -1;
}

} // namespace kelo::gui
