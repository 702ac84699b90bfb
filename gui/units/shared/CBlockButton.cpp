#include "gui/units/shared/CBlockButton.h"

#include <QPainter>
#include <QPainterPath>

namespace kelo::gui {

QColor blockColour(BlockKind kind) {
    switch (kind) {
    case BlockKind::Gain:
        return QColor(206, 206, 200);
    case BlockKind::Dynamics:
        return QColor(232, 190, 140);
    case BlockKind::Filter:
        return QColor(150, 190, 232);
    case BlockKind::Delay:
        return QColor(176, 214, 160);
    }
    return QColor(206, 206, 200);
}

CBlockButton::CBlockButton(BlockKind kind, const QString& name, QWidget* parent)
    : QAbstractButton(parent), m_kind(kind) {
    setText(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(name);
}

void CBlockButton::setSummary(const QString& summary) {
    if (summary != m_summary) {
        m_summary = summary;
        update();
    }
}

void CBlockButton::setAlert(bool alert) {
    if (alert != m_alert) {
        m_alert = alert;
        update();
    }
}

QSize CBlockButton::sizeHint() const {
    return QSize(48, 34);
}

void CBlockButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = qMin(box.width(), box.height()) * 0.2;
    QColor fill = isEnabled() ? blockColour(m_kind) : QColor(222, 222, 222);
    if (isDown()) {
        fill = fill.darker(118);
    } else if (underMouse() && isEnabled()) {
        fill = fill.lighter(108);
    }
    QPen outline(isEnabled() ? QColor(70, 70, 70) : QColor(170, 170, 170), hasFocus() ? 2.0 : 1.0);
    if (m_alert && isEnabled()) {
        outline = QPen(QColor(200, 0, 0), 2.0);
    }
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);

    const QColor textColour = isEnabled() ? QColor(20, 20, 20) : QColor(160, 160, 160);
    painter.setPen(textColour);
    QFont nameFont = font();
    nameFont.setBold(true);
    // The text follows the block's size, so the diagram stays legible when the window grows.
    nameFont.setPixelSize(qMax(7, static_cast<int>(box.height() * (m_summary.isEmpty() ? 0.34 : 0.3))));
    painter.setFont(nameFont);
    if (m_summary.isEmpty()) {
        painter.drawText(box, Qt::AlignCenter, text());
        return;
    }
    QRectF top = box;
    top.setBottom(box.center().y() + 1);
    painter.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, text());
    QFont summaryFont = nameFont;
    summaryFont.setBold(false);
    summaryFont.setStyleHint(QFont::Monospace);
    summaryFont.setFamily(QStringLiteral("monospace"));
    painter.setFont(summaryFont);
    if (m_alert && isEnabled()) {
        painter.setPen(QColor(190, 0, 0));
    }
    QRectF bottom = box;
    bottom.setTop(box.center().y() + 1);
    painter.drawText(bottom, Qt::AlignHCenter | Qt::AlignTop, m_summary);
}

} // namespace kelo::gui
