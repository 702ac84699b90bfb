#include "gui/units/amp/CTzAmpSheet.h"

#include "core/units/Unit.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/units/amp/CTzAmpDelayPage.h"
#include "gui/units/amp/CTzAmpDynBoostPage.h"
#include "gui/units/amp/CTzAmpGainPage.h"
#include "gui/units/amp/CTzAmpGlobalPage.h"
#include "gui/units/amp/CTzAmpHumPage.h"
#include "gui/units/amp/CTzAmpNoisePage.h"
#include "gui/units/amp/CTzAmpOutputPage.h"

#include <algorithm>

namespace kelo::gui {

namespace {

CUnitPage* createPage(const SheetPage& spec, CSystemDoc* document, std::uint32_t unitKey) {
    const int channel = static_cast<int>(spec.channel);
    switch (spec.kind) {
    case PageKind::HumCanceller:
        return new CTzAmpHumPage(document, unitKey, channel);
    case PageKind::NoiseGate:
        return new CTzAmpNoisePage(document, unitKey, channel);
    case PageKind::MultiComp:
        return new CTzAmpDynBoostPage(document, unitKey, channel);
    case PageKind::Delay:
        return new CTzAmpDelayPage(document, unitKey);
    case PageKind::Channel:
        return new CTzAmpOutputPage(document, unitKey, channel);
    case PageKind::GainComp:
        return new CTzAmpGainPage(document, unitKey);
    default:
        break;
    }
    return new CTzAmpGlobalPage(document, unitKey);
}

} // namespace

CTzAmpSheet::CTzAmpSheet(CSystemDoc* document, std::uint32_t unitKey, int startPage, QWidget* parent)
    : CUnitSheet(parent) {
    setObjectName(QStringLiteral("ampSheet"));
    const Unit* unit = document->system().FindUnit(unitKey);
    const AmpUnit* record = unit != nullptr ? unit->amp() : nullptr;
    if (unit != nullptr) {
        setWindowTitle(QString::fromStdU16String(unit->name()));
    }
    m_specs = ampSheetPages(record != nullptr && record->live.ganging() != 0);
    for (const SheetPage& spec : m_specs) {
        CUnitPage* page = createPage(spec, document, unitKey);
        page->setObjectName(QStringLiteral("page%1").arg(pageCount()));
        addPage(page, QString::fromStdString(spec.title));
    }
    setCurrentIndex(std::clamp(startPage, 0, pageCount() - 1));
}

} // namespace kelo::gui
