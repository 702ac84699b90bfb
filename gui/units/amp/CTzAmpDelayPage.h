#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CDelayPanel;
class CDelayUnitButtons;
class CTemperaturePanel;

/// "Delay": the input delays of channels A and B (up to 200000 mm), the one display-unit selector they
/// share, and the air temperature they are converted at.
class CTzAmpDelayPage : public CUnitPage {
    Q_OBJECT

public:
    /// The channel delay's upper bound [mm].
    static constexpr int kMaximumDelayMm = 200000;

    CTzAmpDelayPage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;

    CDelayPanel* delayPanel(int channel) const { return m_delays[channel == 1 ? 1 : 0]; }
    CDelayUnitButtons* unitButtons() const { return m_units; }
    CTemperaturePanel* temperaturePanel() const { return m_temperature; }

private:
    std::array<CDelayPanel*, 2> m_delays{};
    CDelayUnitButtons* m_units;
    CTemperaturePanel* m_temperature;
};

} // namespace kelo::gui
