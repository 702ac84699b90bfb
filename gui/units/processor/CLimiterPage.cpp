#include "gui/units/processor/CLimiterPage.h"

namespace kelo::gui {

CLimiterPage::CLimiterPage(Family family, CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey) {}

void CLimiterPage::refreshFields() {}

} // namespace kelo::gui
