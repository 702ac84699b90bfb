#pragma once

#include "gui/units/amp/CTzAmpChannelPage.h"

namespace kelo::gui {

class CAmpLevelFader;
class CHumGraph;
class CHumPanel;

/// "HumCanc A", "HumCanc B" or "HumCanc A+B": the channel's hum canceller, its level fader and the
/// hum canceller's graph.
class CTzAmpHumPage : public CTzAmpChannelPage {
    Q_OBJECT

public:
    CTzAmpHumPage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    void refreshFields() override;

    CHumPanel* panel() const { return m_panel; }
    CHumGraph* graph() const { return m_graph; }

private:
    void updateGraph();

    CHumPanel* m_panel;
    CHumGraph* m_graph;
    CAmpLevelFader* m_fader;
};

} // namespace kelo::gui
