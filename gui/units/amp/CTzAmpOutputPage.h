#pragma once

#include "gui/units/amp/CTzAmpChannelPage.h"

#include <array>

class QRadioButton;
class QStackedWidget;

namespace kelo::gui {

class CAmpLevelFader;
class CCrossoverPanel;
class CEqBandRow;
class CResponseGraph;

/// "Ch A", "Ch B" or "Ch A+B": the channel's crossover, its ten output EQ bands shown five at a time
/// ("EQ 1-5" / "EQ 6-10"), its level fader and its response graph, whose handles are the five bands
/// shown.
class CTzAmpOutputPage : public CTzAmpChannelPage {
    Q_OBJECT

public:
    static constexpr int kBandCount = 10;
    static constexpr int kBandsShown = 5;

    CTzAmpOutputPage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    void refreshFields() override;

    /// Shows bands 1-5 (bank 0) or 6-10 (bank 1) in the rows and as the graph's handles.
    void showBank(int bank);
    int bank() const { return m_bank; }
    /// The row of a 0-based band 0..9.
    CEqBandRow* bandRow(int band) const { return m_rows[static_cast<std::size_t>(band)]; }
    CCrossoverPanel* crossoverPanel() const { return m_crossover; }
    CResponseGraph* graph() const { return m_graph; }

private:
    void updateGraph();
    void bandDragged(int band, int frequencyIndex, int gainIndex);

    CCrossoverPanel* m_crossover;
    std::array<CEqBandRow*, kBandCount> m_rows{};
    QStackedWidget* m_banks;
    QRadioButton* m_lowBank;
    QRadioButton* m_highBank;
    CResponseGraph* m_graph;
    CAmpLevelFader* m_fader;
    int m_bank = 0;
};

} // namespace kelo::gui
