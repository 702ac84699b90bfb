#include "gui/units/amp/CTzAmpGlobalPage.h"

#include "core/units/Unit.h"
#include "core/scales/GlobalResponse.h"
#include "gui/controls/CResponseGraph.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

// Graph switch slots of a unit: input EQ, "INCLUDE GAINS", "INCLUDE EQ".
constexpr std::size_t kGainsSwitch = 1;
constexpr std::size_t kEqSwitch = 2;

} // namespace

CTzAmpGlobalPage::CTzAmpGlobalPage(CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey), m_graph(new CResponseGraph), m_gains(new QCheckBox(tr("INCLUDE GAINS"))),
      m_eq(new QCheckBox(tr("INCLUDE EQ"))) {
    m_graph->setObjectName(QStringLiteral("globalGraph"));
    m_gains->setObjectName(QStringLiteral("includeGainsBox"));
    m_eq->setObjectName(QStringLiteral("includeEqBox"));
    m_gains->setToolTip(tr("Add each channel's output level to its curve"));
    m_eq->setToolTip(tr("Add each channel's crossover and output EQ to its curve"));
    auto* switches = new QHBoxLayout;
    switches->addWidget(m_gains);
    switches->addWidget(m_eq);
    switches->addStretch();
    contentLayout()->addLayout(switches);
    contentLayout()->addWidget(m_graph, 1);
    lockGroup(m_gains, ControlGroup::ViewSwitches);
    lockGroup(m_eq, ControlGroup::ViewSwitches);
    connect(m_gains, &QCheckBox::toggled, this, &CTzAmpGlobalPage::switchesChanged);
    connect(m_eq, &QCheckBox::toggled, this, &CTzAmpGlobalPage::switchesChanged);
}

void CTzAmpGlobalPage::showEvent(QShowEvent* event) {
    const QSignalBlocker blockGains(m_gains);
    const QSignalBlocker blockEq(m_eq);
    m_gains->setChecked(true);
    m_eq->setChecked(true);
    switchesChanged();
    CUnitPage::showEvent(event);
}

void CTzAmpGlobalPage::switchesChanged() {
    if (Unit* shown = unit(); shown != nullptr && shown->amp() != nullptr) {
        auto& graphSwitches = shown->amp()->graphSwitches;
        graphSwitches[0] = 0;
        graphSwitches[kGainsSwitch] = m_gains->isChecked() ? 1 : 0;
        graphSwitches[kEqSwitch] = m_eq->isChecked() ? 1 : 0;
    }
    refreshFields();
}

void CTzAmpGlobalPage::refreshFields() {
    const Unit* shown = unit();
    const AmpUnit* amp = shown != nullptr ? shown->amp() : nullptr;
    if (amp == nullptr) {
        return;
    }
    GlobalCurveSwitches switches;
    switches.inputEq = false;
    switches.outputGains = m_gains->isChecked();
    switches.outputEq = m_eq->isChecked();
    std::array<Curve, AmpParams::kChannelCount> curves{};
    composeGlobalCurves(curves, amp->live, switches);
    m_graph->setCurves({curves[0], curves[1]}, {QColor(255, 0, 0), QColor(255, 255, 0)});
}

} // namespace kelo::gui
