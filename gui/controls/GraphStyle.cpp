#include "gui/controls/GraphStyle.h"

#include <array>

namespace kelo::gui {

QFont graphLabelFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.5);
    return font;
}

QColor bandColour(int bandPosition) {
    static const std::array<QColor, 5> colours{QColor(250, 0, 0), QColor(255, 255, 0), QColor(255, 0, 255),
                                               QColor(0, 255, 255), QColor(0, 255, 0)};
    const int slot = ((bandPosition - 1) % 5 + 5) % 5;
    return colours[static_cast<std::size_t>(slot)];
}

} // namespace kelo::gui
