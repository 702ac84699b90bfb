#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// The Gain page: the fader strips of both inputs and the six outputs.
class CGainPage : public CUnitPage {
    Q_OBJECT

public:
    CGainPage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;
};

} // namespace kelo::gui
