#pragma once

#include "gui/panels/CBlockPanel.h"

namespace kelo::gui {

class CBypassButton;
class CSpinEdit;

/// The hum canceller: "Freq", "Attack", "Threshold", "Release" and "By-Pass".
class CHumPanel : public CBlockPanel {
    Q_OBJECT

public:
    /// Bypass is 1 while the block is by-passed.
    enum Field : int { Frequency = 0, Attack, Threshold, Release, Bypass };

    explicit CHumPanel(QWidget* parent = nullptr);

    CSpinEdit* field(Field field) const;
    CBypassButton* bypassButton() const { return m_bypass; }

public slots:
    void refresh() override;

private:
    CSpinEdit* m_fields[4];
    CBypassButton* m_bypass;
};

} // namespace kelo::gui
