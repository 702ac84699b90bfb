#pragma once

#include "gui/panels/CBlockPanel.h"

class QRadioButton;

namespace kelo::gui {

class CSpinEdit;
class CThermometer;

/// The air temperature used for the delays: a field with spin, "° C" and "° F" buttons (a display choice)
/// and a thermometer that the mouse drags.
class CTemperaturePanel : public CBlockPanel {
    Q_OBJECT

public:
    /// Temperature index 0..90 (-30 .. +60 degrees C); display unit 0 Celsius, 1 Fahrenheit.
    enum Field : int { Temperature = 0, DisplayUnit };

    explicit CTemperaturePanel(QWidget* parent = nullptr);

    CSpinEdit* temperatureField() const { return m_field; }
    CThermometer* thermometer() const { return m_thermometer; }
    QRadioButton* celsiusButton() const { return m_celsius; }
    QRadioButton* fahrenheitButton() const { return m_fahrenheit; }

public slots:
    void refresh() override;

private:
    void applyScale(int unit);
    void store(int index);

    CSpinEdit* m_field;
    CThermometer* m_thermometer;
    QRadioButton* m_celsius;
    QRadioButton* m_fahrenheit;
};

} // namespace kelo::gui
