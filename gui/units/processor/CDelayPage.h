#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// The Delay page: input, sum and output delays, display units and temperature.
class CDelayPage : public CUnitPage {
    Q_OBJECT

public:
    CDelayPage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;
};

} // namespace kelo::gui
