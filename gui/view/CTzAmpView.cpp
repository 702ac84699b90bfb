#include "gui/view/CTzAmpView.h"

#include "core/app/PresetLabel.h"
#include "core/app/Unit.h"
#include "gui/units/shared/CUnitSheet.h"

#include <QPainter>

namespace kelo::gui {

CTzAmpView::CTzAmpView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CT48View(document, unitKey, QSizeF(624, 360), parent) {}

QString CTzAmpView::caption() const {
    const Unit* shown = unit();
    const AmpUnit* record = shown != nullptr ? shown->amp() : nullptr;
    if (record == nullptr) {
        return {};
    }
    return QStringLiteral("%1 < ID:%2 >  -  Preset: %3")
        .arg(QString::fromStdU16String(shown->name()))
        .arg(shown->busId() + 1)
        .arg(QString::fromStdString(presetLabel(Family::TzAmp, shown->currentProgram(), record->live.name)));
}

void CTzAmpView::paintDiagram(QPainter& painter) {
    QFont big = painter.font();
    big.setPointSize(16);
    big.setBold(true);
    painter.setFont(big);
    painter.drawText(QRectF(QPointF(0, 0), logicalSize()), Qt::AlignCenter, tr("Channels A and B"));
}

CUnitSheet* CTzAmpView::createSheet(int /*startPage*/) {
    return new CUnitSheet;
}

} // namespace kelo::gui
