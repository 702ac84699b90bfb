#include "gui/units/processor/CDelayPage.h"

namespace kelo::gui {

CDelayPage::CDelayPage(CSystemDoc* document, std::uint32_t unitKey) : CUnitPage(document, unitKey) {}

void CDelayPage::refreshFields() {}

} // namespace kelo::gui
