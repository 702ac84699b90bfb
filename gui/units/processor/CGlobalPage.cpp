#include "gui/units/processor/CGlobalPage.h"

namespace kelo::gui {

CGlobalPage::CGlobalPage(Family family, CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey) {}

void CGlobalPage::refreshFields() {}

} // namespace kelo::gui
