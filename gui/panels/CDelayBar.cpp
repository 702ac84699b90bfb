#include "gui/panels/CDelayBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelo::gui {

namespace {

constexpr int kHandleWidth = 10;

} // namespace

CDelayBar::CDelayBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::SizeHorCursor);
}

void CDelayBar::setMaximum(int mm) {
    m_maximum = std::max(0, mm);
    m_value = std::clamp(m_value, 0, m_maximum);
    update();
}

void CDelayBar::setValue(int mm) {
    m_value = std::clamp(mm, 0, m_maximum);
    update();
}

QRect CDelayBar::track() const {
    return rect().adjusted(kHandleWidth / 2, 0, -kHandleWidth / 2 - 1, 0);
}

int CDelayBar::valueAt(int x) const {
    const QRect bar = track();
    const double fraction = std::clamp(double(x - bar.left()) / std::max(1, bar.width()), 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * m_maximum));
}

int CDelayBar::handleX() const {
    const QRect bar = track();
    const double fraction = m_maximum > 0 ? double(m_value) / m_maximum : 0.0;
    return bar.left() + static_cast<int>(std::lround(fraction * bar.width()));
}

QSize CDelayBar::sizeHint() const {
    return {200, 22};
}

void CDelayBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect bar = track();
    const int middle = height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(bar.left(), middle - 3, bar.width(), 6), 3, 3);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawRoundedRect(QRectF(bar.left(), middle - 3, handleX() - bar.left(), 6), 3, 3);
    const QRectF handle(handleX() - kHandleWidth / 2.0, 2, kHandleWidth, height() - 4);
    painter.setBrush(palette().color(QPalette::Button));
    painter.setPen(
        QPen(hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark), 1.5));
    painter.drawRoundedRect(handle, 2, 2);
}

void CDelayBar::drag(int x) {
    const int mm = valueAt(x);
    if (mm != m_value) {
        m_value = mm;
        update();
        emit valueDragged(mm);
    }
}

void CDelayBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_dragging = true;
    drag(event->position().toPoint().x());
}

void CDelayBar::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        drag(event->position().toPoint().x());
    }
}

void CDelayBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        emit released();
    }
}

void CDelayBar::keyPressEvent(QKeyEvent* event) {
    // Keys move by one hundredth (arrows) or one tenth (Page Up/Down) of the bar.
    const int small = std::max(1, m_maximum / 100);
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        step = -small;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        step = small;
        break;
    case Qt::Key_PageDown:
        step = -10 * small;
        break;
    case Qt::Key_PageUp:
        step = 10 * small;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int mm = std::clamp(m_value + step, 0, m_maximum);
    if (mm != m_value) {
        m_value = mm;
        update();
        emit valueDragged(mm);
        emit released();
    }
}

} // namespace kelo::gui
