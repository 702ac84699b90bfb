#pragma once

#include "gui/panels/CBlockPanel.h"

class QComboBox;

namespace kelo::gui {

class CBypassButton;
class CSpinEdit;

/// The two bands of the amplifier's compressor.
enum class CompressorBand { Low = 0, High = 1 };

/// The two-band compressor: the high band's group on the left, the low band's on the right, each with
/// "Threshold", "Freq", "Ratio", "Attack", "Gain", "Release"; "Mid Gain" and "By-Pass" between them.
class CMultiCompPanel : public CBlockPanel {
    Q_OBJECT

public:
    /// The fields in stored order (the high band first), then the by-pass flag (1 = by-passed).
    enum Field : int {
        HighFrequency = 0,
        HighAttack,
        HighRelease,
        HighRatio,
        HighThreshold,
        HighGain,
        LowFrequency,
        LowAttack,
        LowRelease,
        LowRatio,
        LowThreshold,
        LowGain,
        MidGain,
        Bypass
    };

    explicit CMultiCompPanel(QWidget* parent = nullptr);

    /// The spin field of a numeric field, or null for a list or the by-pass.
    CSpinEdit* field(Field field) const;
    /// The ratio list of a band.
    QComboBox* ratioList(CompressorBand band) const;
    CBypassButton* bypassButton() const { return m_bypass; }

public slots:
    void refresh() override;

signals:
    /// A value of a band's group changed (emitted after changed()); "Mid Gain" and "By-Pass" belong to
    /// neither group and report changed() only.
    void groupChanged(CompressorBand band);
    /// A band's threshold or ratio changed: its transfer graph needs redrawing.
    void bandGraphChanged(CompressorBand band);

private:
    void edited(int field, int index);

    CSpinEdit* m_fields[13] = {};
    QComboBox* m_ratio[2];
    CBypassButton* m_bypass;
};

} // namespace kelo::gui
