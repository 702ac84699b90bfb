#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CLedMeter;
class CLimiterPanel;

/// The Limiter page (Plus: "Comp/Limit"): one limiter panel per output with its level and gain-reduction
/// meters; the Plus page adds the clip meters of inputs A and B. While the unit is connected the meters
/// show its status fields (inputs 0 and 1, output k's level 2 + k − 1 and gain reduction 8 + k − 1),
/// otherwise level 0.
class CLimiterPage : public CUnitPage {
    Q_OBJECT

public:
    CLimiterPage(Family family, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    void refreshFields() override;
    CLimiterPanel* panel(std::size_t output) const { return m_panels.at(output); }
    /// The meter level a status field gives now.
    int statusLevel(std::size_t field) const;

private:
    std::array<CLimiterPanel*, 6> m_panels{};
};

} // namespace kelo::gui
