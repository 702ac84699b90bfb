#include "gui/panels/CThermometer.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kelo::gui {

CThermometer::CThermometer(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setCursor(Qt::SizeVerCursor);
    setToolTip(tr("Drag up or down to change the temperature"));
}

void CThermometer::setValue(int index) {
    m_value = std::clamp(index, 0, kMaximum);
    update();
}

int CThermometer::stepsForMove(int dy, int barWidth) {
    if (barWidth <= 0) {
        return 0;
    }
    return ((dy * kMaximum) / barWidth) / 20;
}

QSize CThermometer::sizeHint() const {
    return {18, 140};
}

void CThermometer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(frame, palette().color(QPalette::Base));
    const int filled = (height() - 2) * m_value / kMaximum;
    painter.fillRect(QRect(1, height() - 1 - filled, width() - 2, filled), QColor(255, 0, 0));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
}

void CThermometer::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_anchorY = event->position().toPoint().y();
    }
}

void CThermometer::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        return;
    }
    const int y = event->position().toPoint().y();
    const int steps = stepsForMove(m_anchorY - y, width());
    if (steps == 0) {
        // Keep the anchor: slow movements add up instead of being lost one pixel at a time.
        return;
    }
    m_anchorY = y;
    const int index = std::clamp(m_value + steps, 0, kMaximum);
    if (index != m_value) {
        m_value = index;
        update();
        emit valueDragged(index);
    }
}

void CThermometer::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        emit released();
    }
}

} // namespace kelo::gui
