#include "gui/panels/CBypassButton.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace kelo::gui {

namespace {

// The two pictures: a signal line through a block (active) or around it (by-passed). Drawn at twice
// the size so they stay sharp at 200 % scaling.
QPixmap face(bool bypassed) {
    QPixmap picture(64, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor block = bypassed ? QColor(130, 130, 130) : QColor(40, 160, 60);
    painter.setPen(QPen(block, 3));
    painter.setBrush(bypassed ? Qt::NoBrush : QBrush(block.lighter(150)));
    painter.drawRoundedRect(QRectF(20, 8, 24, 16), 3, 3);
    painter.setPen(QPen(bypassed ? QColor(230, 140, 0) : QColor(20, 20, 20), 3));
    if (bypassed) {
        painter.drawPolyline(QPolygonF{{2, 16}, {14, 16}, {14, 3}, {50, 3}, {50, 16}, {62, 16}});
    } else {
        painter.drawLine(QPointF(2, 16), QPointF(20, 16));
        painter.drawLine(QPointF(44, 16), QPointF(62, 16));
    }
    painter.end();
    picture.setDevicePixelRatio(2.0);
    return picture;
}

} // namespace

CBypassButton::CBypassButton(QWidget* parent) : QPushButton(tr("By-Pass"), parent) {
    setCheckable(true);
    setObjectName(QStringLiteral("bypassButton"));
    setIconSize(QSize(32, 16));
    connect(this, &QPushButton::toggled, this, &CBypassButton::updateFace);
    updateFace();
}

void CBypassButton::setBypassed(bool bypassed) {
    const QSignalBlocker blocker(this);
    setChecked(bypassed);
    updateFace();
}

void CBypassButton::updateFace() {
    setIcon(QIcon(face(isChecked())));
    setToolTip(isChecked() ? tr("By-Pass: the block is by-passed (press to switch it in)")
                           : tr("By-Pass: the block is active (press to by-pass it)"));
}

} // namespace kelo::gui
