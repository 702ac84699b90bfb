#pragma once

#include "core/edit/AmpMeterLevels.h"
#include "gui/units/shared/CUnitPage.h"

#include <array>

class QLabel;

namespace kelo::gui {

class CAmpLevelFader;
class CLedMeter;
class CLimiterPanel;

/// "Gain/Comp": the level faders "Ch A" and "Ch B" with their "Mute" and "180°" buttons, one limiter
/// panel per channel with its lamps, the input level meter and the unit's three status bits.
class CTzAmpGainPage : public CUnitPage {
    Q_OBJECT

public:
    CTzAmpGainPage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;

    CAmpLevelFader* fader(int channel) const { return m_faders[channel == 1 ? 1 : 0]; }
    CLimiterPanel* limiterPanel(int channel) const { return m_limiters[channel == 1 ? 1 : 0]; }
    CLedMeter* inputMeter() const { return m_input; }
    /// The levels the meters show now: all dark unless the unit is connected on an on-line system.
    AmpMeterLevels meterLevels() const;

private:
    void updateStatusBits();

    std::array<CAmpLevelFader*, 2> m_faders{};
    std::array<CLimiterPanel*, 2> m_limiters{};
    CLedMeter* m_input;
    std::array<QLabel*, 3> m_statusBits{};
};

} // namespace kelo::gui
