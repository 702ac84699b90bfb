#include "gui/controls/CBlinkIndicator.h"

#include <QImage>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace kelo::gui {

namespace {

// A lamp drawn on magenta, the transparent colour of the indicator's pictures, at twice the size so it
// stays sharp on high-resolution screens.
QPixmap lamp(const QColor& colour) {
    QPixmap picture(28, 28);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(30, 30, 30), 2));
    painter.setBrush(colour);
    painter.drawEllipse(QRect(3, 3, 21, 21));
    painter.end();
    picture.setDevicePixelRatio(2.0);
    return picture;
}

} // namespace

CBlinkIndicator::CBlinkIndicator(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &CBlinkIndicator::blink);
    setPictures({lamp(QColor(90, 90, 90)), lamp(QColor(0, 220, 0)), lamp(QColor(230, 0, 0))});
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CBlinkIndicator::setPictures(const std::array<QPixmap, kStateCount>& pictures) {
    for (std::size_t state = 0; state < pictures.size(); ++state) {
        QImage image = pictures[state].toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) == qRgb(255, 0, 255)) {
                    line[x] = qRgba(0, 0, 0, 0);
                }
            }
        }
        m_pictures[state] = QPixmap::fromImage(image);
        m_pictures[state].setDevicePixelRatio(pictures[state].devicePixelRatio());
    }
    update();
}

void CBlinkIndicator::setState(int state) {
    m_state = std::clamp(state, 0, kStateCount - 1);
    repaint();
}

void CBlinkIndicator::startBlinking(int intervalMs) {
    m_timer->start(std::max(1, intervalMs));
}

void CBlinkIndicator::stopBlinking() {
    m_timer->stop();
}

bool CBlinkIndicator::isBlinking() const {
    return m_timer->isActive();
}

void CBlinkIndicator::blink() {
    setState(m_state == 0 ? 1 : 0);
}

QSize CBlinkIndicator::sizeHint() const {
    QSize size(16, 16);
    for (const QPixmap& picture : m_pictures) {
        size = size.expandedTo(picture.deviceIndependentSize().toSize() + QSize(2, 2));
    }
    return size;
}

void CBlinkIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& picture = m_pictures[static_cast<std::size_t>(m_state)];
    const QSizeF size = picture.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0), picture);
}

} // namespace kelo::gui
