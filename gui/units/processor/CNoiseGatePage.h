#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// The Noise Gate page: the gates of inputs A and B.
class CNoiseGatePage : public CUnitPage {
    Q_OBJECT

public:
    CNoiseGatePage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;
};

} // namespace kelo::gui
