#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CDelayPanel;
class CEqBandRow;
class CFader;
class CResponseGraph;

/// An input page ("Input A", "Input B" or, with the inputs ganged, "Input A + B" editing A and mirroring
/// to B): five EQ band rows, the input's fader "Input", its delay with the display-unit selector, and its
/// response graph with a handle per band.
class CInputPage : public CUnitPage {
    Q_OBJECT

public:
    CInputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t input, bool pair,
               QWidget* parent = nullptr);

    void refreshFields() override;
    std::optional<PageChannel> pageChannel() const override;

    CEqBandRow* bandRow(std::size_t band) const { return m_rows.at(band); }
    CFader* fader() const { return m_fader; }
    CDelayPanel* delayPanel() const { return m_delay; }
    CResponseGraph* graph() const { return m_graph; }

private:
    std::uint8_t m_input;
    std::array<CEqBandRow*, 5> m_rows{};
    CFader* m_fader = nullptr;
    CDelayPanel* m_delay = nullptr;
    CResponseGraph* m_graph = nullptr;
};

} // namespace kelo::gui
