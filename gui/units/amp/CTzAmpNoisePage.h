#pragma once

#include "gui/units/amp/CTzAmpChannelPage.h"

namespace kelo::gui {

class CAmpLevelFader;
class CGateGraph;
class CNoiseGatePanel;

/// "Gate A", "Gate B" or "Gate A+B": the channel's noise gate with its transfer graph and the channel's
/// level fader.
class CTzAmpNoisePage : public CTzAmpChannelPage {
    Q_OBJECT

public:
    CTzAmpNoisePage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    void refreshFields() override;

    CNoiseGatePanel* panel() const { return m_panel; }
    CGateGraph* graph() const { return m_graph; }

private:
    CNoiseGatePanel* m_panel;
    CGateGraph* m_graph;
    CAmpLevelFader* m_fader;
};

} // namespace kelo::gui
