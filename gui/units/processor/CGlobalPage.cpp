#include "gui/units/processor/CGlobalPage.h"

#include "core/units/Unit.h"
#include "core/scales/GlobalResponse.h"
#include "gui/controls/CResponseGraph.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kelo::gui {

namespace {

/// One pen per output, told apart on the graph's dark background.
const std::vector<QColor>& outputColours() {
    static const std::vector<QColor> colours{QColor(255, 80, 80), QColor(255, 220, 0), QColor(255, 0, 255),
                                             QColor(0, 230, 230), QColor(60, 255, 60), QColor(255, 255, 255)};
    return colours;
}

} // namespace

CGlobalPage::CGlobalPage(Family /*family*/, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitPage(document, unitKey, parent) {
    m_graph = new CResponseGraph(this);
    m_graph->setObjectName(QStringLiteral("globalGraph"));
    m_graph->setHandlesVisible(false);
    const std::array<QString, 3> names{QStringLiteral("INCLUDE INPUT EQ"),
                                       QStringLiteral("INCLUDE OUTPUT GAINS"),
                                       QStringLiteral("INCLUDE OUTPUT EQ")};
    auto* switches = new QHBoxLayout;
    for (std::size_t index = 0; index < m_switches.size(); ++index) {
        auto* box = new QCheckBox(names[index], this);
        box->setObjectName(QStringLiteral("graphSwitch%1").arg(index));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, index](bool on) {
            // What the graph draws is a view setting of the unit, not a parameter: no edit, no send.
            if (Unit* shown = unit(); shown != nullptr && shown->processor() != nullptr) {
                shown->processor()->graphSwitches[index] = on ? 1 : 0;
                refreshFields();
            }
        });
        lockGroup(box, ControlGroup::ViewSwitches);
        switches->addWidget(box);
        m_switches[index] = box;
    }
    switches->addStretch();
    auto* legend = new QHBoxLayout;
    for (std::size_t output = 0; output < 6; ++output) {
        auto* label = new QLabel(tr("Output %1").arg(output + 1), this);
        label->setStyleSheet(QStringLiteral("QLabel { background: black; color: %1; padding: 2px 6px; }")
                                 .arg(outputColours()[output].name()));
        legend->addWidget(label);
    }
    legend->addStretch();
    contentLayout()->addWidget(m_graph, 1);
    contentLayout()->addLayout(legend);
    contentLayout()->addLayout(switches);
}

void CGlobalPage::showEvent(QShowEvent* event) {
    if (Unit* shown = unit(); shown != nullptr && shown->processor() != nullptr) {
        shown->processor()->graphSwitches = {1, 1, 1};
    }
    for (QCheckBox* box : m_switches) {
        const QSignalBlocker quiet(box);
        box->setChecked(true);
    }
    CUnitPage::showEvent(event);
}

void CGlobalPage::refreshFields() {
    const Unit* shown = unit();
    const ProcessorUnit* record = shown != nullptr ? shown->processor() : nullptr;
    if (record == nullptr) {
        return;
    }
    const GlobalCurveSwitches switches{m_switches[0]->isChecked(), m_switches[1]->isChecked(),
                                       m_switches[2]->isChecked()};
    std::array<Curve, UnitParams::kOutputCount> curves{};
    composeGlobalCurves(curves, record->live, switches);
    m_graph->setCurves(std::vector<Curve>(curves.begin(), curves.end()), outputColours());
}

} // namespace kelo::gui
