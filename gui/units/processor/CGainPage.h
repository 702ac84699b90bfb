#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <array>

namespace kelo::gui {

class CFader;

/// The Gain page: one fader strip per input A, B and output 1..6. Output strips carry "Mute" and
/// "180°"; a mute here acts on its own output only, ganged or not.
class CGainPage : public CUnitPage {
    Q_OBJECT

public:
    CGainPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    void refreshFields() override;
    /// Strip 0..1 inputs A and B, 2..7 outputs 1..6.
    CFader* strip(std::size_t index) const { return m_strips.at(index); }

private:
    std::array<CFader*, 8> m_strips{};
};

} // namespace kelo::gui
