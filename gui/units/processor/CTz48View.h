#pragma once

#include "gui/units/processor/CProcessorView.h"

namespace kelo::gui {

/// Block diagram of a 2-in/6-out unit.
class CTz48View : public CProcessorView {
    Q_OBJECT

public:
    CTz48View(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr)
        : CProcessorView(Family::Tz48, document, unitKey, parent) {}
};

} // namespace kelo::gui
