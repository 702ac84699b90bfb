#include "gui/options/CNoteLabel.h"

#include <QPalette>

namespace kelo::gui {

CNoteLabel::CNoteLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 127));
    colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(colours);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(6);
}

} // namespace kelo::gui
