#pragma once

#include "gui/panels/CBlockPanel.h"

namespace kelo::gui {

class CDelayUnitButtons;
class CSpinEdit;

/// The "Delay" frame: a distance shown in one of four units at the unit's air temperature. The spin steps
/// one sample, one millisecond or half a metre; choosing a unit only changes the display.
class CDelayPanel : public CBlockPanel {
    Q_OBJECT

public:
    /// Distance [mm]; display unit 0..3 (a stored display choice); temperature index 0..90 (read only).
    enum Field : int { Distance = 0, DisplayUnit, Temperature };

    explicit CDelayPanel(QWidget* parent = nullptr);

    /// The delay's upper bound [mm].
    void setMaximumDistance(int mm);
    int maximumDistance() const { return m_maximumMm; }

    CSpinEdit* distanceField() const { return m_distance; }
    CDelayUnitButtons* unitButtons() const { return m_units; }

public slots:
    void refresh() override;

private:
    void applyScale();

    int m_maximumMm = 65535;
    CSpinEdit* m_distance;
    CDelayUnitButtons* m_units;
};

} // namespace kelo::gui
