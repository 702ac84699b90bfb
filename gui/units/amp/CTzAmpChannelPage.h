#pragma once

#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

/// A page of one amplifier channel ("HumCanc A", "Ch B", ...) or of both while ganged ("Gate A+B"): a
/// ganged page edits channel A and the edit path writes every change to B too.
class CTzAmpChannelPage : public CUnitPage {
    Q_OBJECT

public:
    CTzAmpChannelPage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    /// 0 = A, 1 = B.
    int channel() const { return m_channel; }
    std::optional<PageChannel> pageChannel() const override { return PageChannel{false, std::size_t(m_channel)}; }

private:
    int m_channel;
};

} // namespace kelo::gui
