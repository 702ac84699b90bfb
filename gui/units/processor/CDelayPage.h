#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CDelayPanel;
class CDelayUnitButtons;
class CTemperaturePanel;

/// The Delay page: "Input Delay" (A, B and the sum, up to 900000 mm), "Output Delay" (outputs 1..6, up
/// to 100000 mm), one display-unit selector per group, and "Temperature".
class CDelayPage : public CUnitPage {
    Q_OBJECT

public:
    CDelayPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    void refreshFields() override;
    /// Panels 0..2 inputs A, B and the sum, 3..8 outputs 1..6.
    CDelayPanel* panel(std::size_t index) const { return m_panels.at(index); }
    CDelayUnitButtons* inputUnits() const { return m_inputUnits; }
    CDelayUnitButtons* outputUnits() const { return m_outputUnits; }
    CTemperaturePanel* temperature() const { return m_temperature; }

private:
    std::array<CDelayPanel*, 9> m_panels{};
    CDelayUnitButtons* m_inputUnits = nullptr;
    CDelayUnitButtons* m_outputUnits = nullptr;
    CTemperaturePanel* m_temperature = nullptr;
};

} // namespace kelo::gui
