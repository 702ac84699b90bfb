#pragma once

#include "core/edit/SheetPages.h"
#include "gui/view/CT48View.h"

#include <array>

namespace kelo {
struct AmpUnit;
}

namespace kelo::gui {

/// The amplifier's unit window content: its block diagram (channel A above, B below, each "Hum",
/// "Noise", "Multi-Comp", "M-Delay", "XOver", "Eq", "Gain", "Limiter"), each block opening the sheet on
/// its page in the ganged or unganged page list, and the connection badge.
class CTzAmpView : public CT48View {
    Q_OBJECT

public:
    CTzAmpView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    QString caption() const override;
    /// The button of a block of channel 0 (A) or 1 (B).
    CBlockButton* block(AmpBlock block, int channel) const;

protected:
    void paintDiagram(QPainter& painter) override;
    void refreshBlocks() override;
    CUnitSheet* createSheet(int startPage) override;
    QString editWindowTitle() const override;
    void prepareEditWindow(CEditWindow& window) override;

private:
    const AmpUnit* amp() const;

    std::array<std::array<CBlockButton*, kAmpBlockCount>, 2> m_blocks{};
};

} // namespace kelo::gui
