#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// The Limiter (Plus: Comp/Limit) page: the six output limiters and their meters.
class CLimiterPage : public CUnitPage {
    Q_OBJECT

public:
    CLimiterPage(Family family, CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;
};

} // namespace kelo::gui
