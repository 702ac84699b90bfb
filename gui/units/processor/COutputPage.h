#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CCrossoverPanel;
class CEqBandRow;
class CFader;
class CResponseGraph;

/// An output page ("Output k" or, with the outputs ganged, "Output 1 + 2" … editing the first output and
/// mirroring to its partner): the crossover, five EQ band rows, the output's fader with "Mute" (acting on
/// the pair when ganged) and "180°", and the output's response graph with a handle per band.
class COutputPage : public CUnitPage {
    Q_OBJECT

public:
    COutputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t output, bool pair,
                QWidget* parent = nullptr);

    void refreshFields() override;
    std::optional<PageChannel> pageChannel() const override;

    CCrossoverPanel* crossover() const { return m_crossover; }
    CEqBandRow* bandRow(std::size_t band) const { return m_rows.at(band); }
    CFader* fader() const { return m_fader; }
    CResponseGraph* graph() const { return m_graph; }

private:
    std::uint8_t m_output;
    CCrossoverPanel* m_crossover = nullptr;
    std::array<CEqBandRow*, 5> m_rows{};
    CFader* m_fader = nullptr;
    CResponseGraph* m_graph = nullptr;
};

} // namespace kelo::gui
