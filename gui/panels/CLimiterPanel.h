#pragma once

#include "gui/panels/CBlockPanel.h"

#include <functional>

class QComboBox;

namespace kelo::gui {

class CLedMeter;
class CSpinEdit;

/// Which limiter the panel edits.
enum class LimiterKind {
    Limiter,   ///< "LIMITER" of the processor families: threshold 0..222, "OFF" at 222
    Compressor ///< "Comp/Limit": threshold 0..102 by the owner's dB rule, "OFF" at 102
};

/// The limiter / compressor: "Threshold", speed ("Atk/Rel" "Constants": "Slow", "Normal", "Fast"),
/// "Ratio" and its LED meter (with a gain-reduction column when asked).
class CLimiterPanel : public CBlockPanel {
    Q_OBJECT

public:
    enum Field : int { Threshold = 0, Speed, Ratio };

    /// @param clipLabel true for a meter topped "Clip", false for "Ovld"
    /// @param gainReduction adds the "Gain Red" column
    explicit CLimiterPanel(LimiterKind kind, bool clipLabel = false, bool gainReduction = false,
                           QWidget* parent = nullptr);

    LimiterKind kind() const { return m_kind; }
    /// The compressor threshold's index-to-dB rule (default: -20.4 dB + 0.2 dB per index).
    void setThresholdRule(std::function<double(int)> rule);
    /// The channel paired with this one, reported with every change.
    void setPartnerChannel(int channel) { m_partner = channel; }
    int partnerChannel() const { return m_partner; }

    CSpinEdit* thresholdField() const { return m_threshold; }
    QComboBox* speedList() const { return m_speed; }
    QComboBox* ratioList() const { return m_ratio; }
    CLedMeter* meter() const { return m_meter; }
    /// The gain-reduction meter, or null.
    CLedMeter* gainReductionMeter() const { return m_gainReduction; }

public slots:
    void refresh() override;

signals:
    /// A value changed; carries the partner channel (emitted with changed()).
    void limiterChanged(int partnerChannel);

private:
    void edited(int field, int index);

    LimiterKind m_kind;
    int m_partner = 0;
    std::function<double(int)> m_rule;
    CSpinEdit* m_threshold;
    QComboBox* m_speed;
    QComboBox* m_ratio;
    CLedMeter* m_meter;
    CLedMeter* m_gainReduction = nullptr;
};

} // namespace kelo::gui
