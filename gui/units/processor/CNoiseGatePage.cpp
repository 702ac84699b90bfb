#include "gui/units/processor/CNoiseGatePage.h"

namespace kelo::gui {

CNoiseGatePage::CNoiseGatePage(CSystemDoc* document, std::uint32_t unitKey) : CUnitPage(document, unitKey) {}

void CNoiseGatePage::refreshFields() {}

} // namespace kelo::gui
