#include "gui/units/processor/CInputPage.h"

namespace kelo::gui {

CInputPage::CInputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t input, bool pair)
    : CUnitPage(document, unitKey) {}

void CInputPage::refreshFields() {}

} // namespace kelo::gui
