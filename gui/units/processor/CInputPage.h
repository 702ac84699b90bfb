#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// An input page: five EQ bands, the input fader, its delay and its response graph.
class CInputPage : public CUnitPage {
    Q_OBJECT

public:
    CInputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t input, bool pair);

    void refreshFields() override;
};

} // namespace kelo::gui
