#pragma once

#include "gui/panels/CBlockPanel.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace kelo::gui {

class CSpinEdit;

/// One EQ band as a row: band number on its band colour, "Freq", "Gain", "Band" (bandwidth), "Type" and
/// "Flat". The type decides which fields are enabled: shelving types have no bandwidth, "Notch" has no
/// gain, and a band taken over by a 48 dB crossover (stored types 5..8, or setBorrowed()) is locked.
class CEqBandRow : public CBlockPanel {
    Q_OBJECT

public:
    /// The band's fields, in getter order.
    enum Field : int { Type = 0, Frequency, Bandwidth, Gain, Flat };

    /// @param bandPosition the band's number as shown, 1-based; its colour repeats every five bands
    explicit CEqBandRow(int bandPosition, QWidget* parent = nullptr);

    /// A header row ("EQ", "Freq", "Gain", "Band", "Type") whose columns line up with the rows.
    static QWidget* createHeader(QWidget* parent = nullptr);

    int bandPosition() const { return m_bandPosition; }

    /// Red frequency and gain text while the band's handle is grabbed on the graph.
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return m_highlighted; }

    /// Locks the row because the crossover uses the band, whatever its stored type.
    void setBorrowed(bool borrowed);

    CSpinEdit* frequencyField() const { return m_frequency; }
    CSpinEdit* gainField() const { return m_gain; }
    CSpinEdit* bandwidthField() const { return m_bandwidth; }
    QComboBox* typeList() const { return m_type; }
    QCheckBox* flatBox() const { return m_flat; }

public slots:
    void refresh() override;

private:
    void applyEnabling(int type);

    int m_bandPosition;
    bool m_highlighted = false;
    bool m_borrowed = false;
    QLabel* m_number;
    CSpinEdit* m_frequency;
    CSpinEdit* m_gain;
    CSpinEdit* m_bandwidth;
    QComboBox* m_type;
    QCheckBox* m_flat;
};

} // namespace kelo::gui
