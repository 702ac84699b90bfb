#pragma once

#include "gui/panels/CBlockPanel.h"

class QComboBox;

namespace kelo::gui {

class CSpinEdit;

/// The "Crossover" frame: type and frequency of the high-pass and low-pass filters and the output phase.
class CCrossoverPanel : public CBlockPanel {
    Q_OBJECT

public:
    /// The fields, in stored order.
    enum Field : int { LowPassType = 0, LowPassFrequency, Phase, HighPassType, HighPassFrequency };

    explicit CCrossoverPanel(QWidget* parent = nullptr);

    /// Enables or disables all five fields at once (for example while the output is locked).
    void setFieldsEnabled(bool enabled);
    bool fieldsEnabled() const { return m_fieldsEnabled; }

    QComboBox* highPassTypeList() const { return m_highPassType; }
    QComboBox* lowPassTypeList() const { return m_lowPassType; }
    CSpinEdit* highPassFrequencyField() const { return m_highPassFrequency; }
    CSpinEdit* lowPassFrequencyField() const { return m_lowPassFrequency; }
    CSpinEdit* phaseField() const { return m_phase; }

public slots:
    void refresh() override;

signals:
    /// A filter type changed (emitted after changed()): the EQ bands a 48 dB filter takes may differ.
    void typeChanged();

private:
    bool m_fieldsEnabled = true;
    QComboBox* m_highPassType;
    QComboBox* m_lowPassType;
    CSpinEdit* m_highPassFrequency;
    CSpinEdit* m_lowPassFrequency;
    CSpinEdit* m_phase;
};

} // namespace kelo::gui
