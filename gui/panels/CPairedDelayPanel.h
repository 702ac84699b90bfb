#pragma once

#include "gui/panels/CBlockPanel.h"

class QLabel;

namespace kelo::gui {

class CDelayBar;
class CDelayUnitButtons;
class CSpinEdit;

/// The delays of two outputs edited together ("Output 1", "Output 2"): for each a field with spin and a
/// bar whose handle drags the distance, with one set of unit buttons.
class CPairedDelayPanel : public CBlockPanel {
    Q_OBJECT

public:
    enum Field : int { FirstDistance = 0, SecondDistance, DisplayUnit, Temperature };

    explicit CPairedDelayPanel(QWidget* parent = nullptr);

    /// The two captions, "Output 1" and "Output 2" by default.
    void setCaptions(const QString& first, const QString& second);
    void setMaximumDistance(int mm);
    int maximumDistance() const { return m_maximumMm; }

    CSpinEdit* distanceField(int which) const { return m_distance[which != 0 ? 1 : 0]; }
    CDelayBar* bar(int which) const { return m_bar[which != 0 ? 1 : 0]; }
    CDelayUnitButtons* unitButtons() const { return m_units; }

public slots:
    void refresh() override;

private:
    void applyScale();
    void store(int which, int mm);

    int m_maximumMm = 65535;
    QLabel* m_caption[2];
    CSpinEdit* m_distance[2];
    CDelayBar* m_bar[2];
    CDelayUnitButtons* m_units;
};

} // namespace kelo::gui
