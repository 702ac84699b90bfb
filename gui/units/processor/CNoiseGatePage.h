#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CNoiseGatePanel;

/// The Noise Gate page: groups "Input A" and "Input B", each a gate panel and the gate's transfer curve.
class CNoiseGatePage : public CUnitPage {
    Q_OBJECT

public:
    CNoiseGatePage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    void refreshFields() override;
    CNoiseGatePanel* panel(std::size_t input) const { return m_panels.at(input); }

private:
    std::array<CNoiseGatePanel*, 2> m_panels{};
};

} // namespace kelo::gui
