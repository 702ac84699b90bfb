#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// The Global page: the six output curves of the unit.
class CGlobalPage : public CUnitPage {
    Q_OBJECT

public:
    CGlobalPage(Family family, CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;
};

} // namespace kelo::gui
