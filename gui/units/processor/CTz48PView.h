#pragma once

#include "gui/units/processor/CProcessorView.h"

namespace kelo::gui {

/// Block diagram of a Plus unit.
class CTz48PView : public CProcessorView {
    Q_OBJECT

public:
    CTz48PView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr)
        : CProcessorView(Family::Tz48P, document, unitKey, parent) {}
};

} // namespace kelo::gui
