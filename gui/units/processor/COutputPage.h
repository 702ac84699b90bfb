#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// An output page: crossover, five EQ bands, the output fader and its response graph.
class COutputPage : public CUnitPage {
    Q_OBJECT

public:
    COutputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t output, bool pair);

    void refreshFields() override;
};

} // namespace kelo::gui
