#include "gui/app/EditorArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace kelo::gui {

namespace {

/// A loudspeaker-crossover-like curve across rect: rises, stays flat, falls.
QPainterPath responseCurve(const QRectF& rect, double phase) {
    QPainterPath path;
    constexpr int kSteps = 120;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double rise = 1.0 / (1.0 + std::exp(-(t - 0.15) * 30.0));
        const double fall = 1.0 / (1.0 + std::exp((t - 0.85) * 30.0));
        const double ripple = 0.04 * std::sin((t * 6.0 + phase) * std::numbers::pi);
        const double level = rise * fall + ripple;
        const QPointF point(rect.left() + t * rect.width(), rect.bottom() - level * rect.height());
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

void drawBadge(QPainter& painter, const QRectF& rect) {
    QLinearGradient background(rect.topLeft(), rect.bottomRight());
    background.setColorAt(0.0, QColor(20, 30, 90));
    background.setColorAt(1.0, QColor(5, 10, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(rect, rect.width() * 0.18, rect.height() * 0.18);
    painter.setPen(QPen(QColor(255, 210, 40), rect.width() * 0.08, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(responseCurve(
        rect.adjusted(rect.width() * 0.15, rect.height() * 0.3, -rect.width() * 0.15, -rect.height() * 0.25),
        0.0));
}

} // namespace

QPixmap splashPicture() {
    QPixmap picture(480, 280);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0.0, QColor(10, 20, 70));
    background.setColorAt(1.0, QColor(0, 0, 20));
    painter.fillRect(picture.rect(), background);

    const QRectF plot(40, 120, 400, 110);
    painter.setPen(QPen(QColor(60, 80, 150), 1));
    for (int i = 0; i <= 8; ++i) {
        const double x = plot.left() + plot.width() * i / 8.0;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.top() + plot.height() * i / 4.0;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const QColor curves[] = {QColor(255, 210, 40), QColor(90, 200, 255), QColor(255, 110, 90)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(QPen(curves[i], 2.5));
        painter.drawPath(responseCurve(plot.adjusted(i * 20.0, i * 8.0, -i * 20.0, 0), i * 0.7));
    }

    QFont title = painter.font();
    title.setPointSize(30);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 20, picture.width(), 50), Qt::AlignCenter, QStringLiteral("Kelo Editor"));
    QFont subtitle = painter.font();
    subtitle.setPointSize(11);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 210, 40));
    painter.drawText(QRectF(0, 70, picture.width(), 30), Qt::AlignCenter,
                     QStringLiteral("Loudspeaker and amplifier processor editor"));
    painter.setPen(QColor(160, 170, 210));
    painter.drawText(QRectF(0, 245, picture.width(), 25), Qt::AlignCenter, QStringLiteral("Release 3.00"));
    return picture;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        drawBadge(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace kelo::gui
