#include "gui/units/processor/CProcessorSheet.h"

#include "core/units/Unit.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/units/processor/CDelayPage.h"
#include "gui/units/processor/CGainPage.h"
#include "gui/units/processor/CGlobalPage.h"
#include "gui/units/processor/CInputPage.h"
#include "gui/units/processor/CLimiterPage.h"
#include "gui/units/processor/CNoiseGatePage.h"
#include "gui/units/processor/COutputPage.h"

namespace kelo::gui {

namespace {

CUnitPage* createPage(Family family, const SheetPage& spec, CSystemDoc* document, std::uint32_t unitKey) {
    switch (spec.kind) {
    case PageKind::Gain:
        return new CGainPage(document, unitKey);
    case PageKind::NoiseGate:
        return new CNoiseGatePage(document, unitKey);
    case PageKind::Limiter:
        return new CLimiterPage(family, document, unitKey);
    case PageKind::Delay:
        return new CDelayPage(document, unitKey);
    case PageKind::Input:
        return new CInputPage(document, unitKey, spec.channel, spec.pair);
    case PageKind::Output:
        return new COutputPage(document, unitKey, spec.channel, spec.pair);
    case PageKind::Global:
    // The amplifier's page kinds never occur in a processor's page list.
    case PageKind::HumCanceller:
    case PageKind::MultiComp:
    case PageKind::Channel:
    case PageKind::GainComp:
        break;
    }
    return new CGlobalPage(family, document, unitKey);
}

} // namespace

CProcessorSheet::CProcessorSheet(Family family, CSystemDoc* document, std::uint32_t unitKey, int startPage,
                                 QWidget* parent)
    : CUnitSheet(parent) {
    const Unit* unit = document->system().FindUnit(unitKey);
    const ProcessorUnit* record = unit != nullptr ? unit->processor() : nullptr;
    const bool inputGanging = record != nullptr && record->live.inputGanging() != 0;
    const bool outputGanging = record != nullptr && record->live.outputGanging() != 0;
    m_specs = processorSheetPages(family, inputGanging, outputGanging);
    for (const SheetPage& spec : m_specs) {
        const int index = pageCount();
        addPage(
            [family, spec, document, unitKey, index] {
                CUnitPage* page = createPage(family, spec, document, unitKey);
                page->setObjectName(QStringLiteral("page%1").arg(index));
                return page;
            },
            QString::fromStdString(spec.title));
    }
    setCurrentIndex(std::clamp(startPage, 0, pageCount() - 1));
}

} // namespace kelo::gui
