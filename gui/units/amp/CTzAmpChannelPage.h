#pragma once

#include "gui/units/shared/CUnitPage.h"

#include <functional>
#include <optional>
#include <vector>

namespace kelo::gui {

/// A page of one amplifier channel ("HumCanc A", "Ch B", ...) or of both while ganged ("Gate A+B"): a
/// ganged page edits channel A and the edit path writes every change to B too.
class CTzAmpChannelPage : public CUnitPage {
    Q_OBJECT

public:
    CTzAmpChannelPage(CSystemDoc* document, std::uint32_t unitKey, int channel);

    /// 0 = A, 1 = B.
    int channel() const { return m_channel; }
    std::optional<PageChannel> pageChannel() const override;

    /// A field of this page's channel (band: 0-based output EQ band).
    FieldRef ref(Field field, int band = 0) const;
    /// The map of a panel whose field number n stands for fields[n] of this channel.
    std::function<std::optional<FieldRef>(int)> fieldMap(std::vector<Field> fields, int band = 0) const;

private:
    int m_channel;
};

} // namespace kelo::gui
