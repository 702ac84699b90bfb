#pragma once

#include "gui/units/amp/CTzAmpChannelPage.h"

namespace kelo::gui {

class CAmpLevelFader;
class CCompressorGraph;
class CMultiCompPanel;
enum class CompressorBand;

/// "MComp A", "MComp B" or "MComp A+B" ("Multi Comp"): the two-band compressor, the channel's level
/// fader, and the transfer graphs of the "High" and "Low" bands, each redrawn when its band's threshold
/// or ratio changes.
class CTzAmpDynBoostPage : public CTzAmpChannelPage {
    Q_OBJECT

public:
    CTzAmpDynBoostPage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    void refreshFields() override;

    CMultiCompPanel* panel() const { return m_panel; }
    CCompressorGraph* graph(CompressorBand band) const;

private:
    void updateGraph(CompressorBand band);

    CMultiCompPanel* m_panel;
    CCompressorGraph* m_high;
    CCompressorGraph* m_low;
    CAmpLevelFader* m_fader;
};

} // namespace kelo::gui
