#include "gui/units/processor/CGainPage.h"

namespace kelo::gui {

CGainPage::CGainPage(CSystemDoc* document, std::uint32_t unitKey) : CUnitPage(document, unitKey) {}

void CGainPage::refreshFields() {}

} // namespace kelo::gui
