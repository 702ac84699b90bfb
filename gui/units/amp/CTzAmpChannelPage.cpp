#include "gui/units/amp/CTzAmpChannelPage.h"

namespace kelo::gui {

CTzAmpChannelPage::CTzAmpChannelPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CUnitPage(document, unitKey), m_channel(channel == 1 ? 1 : 0) {}

} // namespace kelo::gui
