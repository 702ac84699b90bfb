#include "gui/units/processor/COutputPage.h"

namespace kelo::gui {

COutputPage::COutputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t output, bool pair)
    : CUnitPage(document, unitKey) {}

void COutputPage::refreshFields() {}

} // namespace kelo::gui
