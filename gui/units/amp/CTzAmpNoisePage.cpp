#include "gui/units/amp/CTzAmpNoisePage.h"

#include "gui/controls/CTransferGraph.h"
#include "gui/panels/CNoiseGatePanel.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

CTzAmpNoisePage::CTzAmpNoisePage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel), m_panel(new CNoiseGatePanel), m_graph(new CGateGraph),
      m_fader(new CAmpLevelFader(this, channel, EditOrigin::ChannelPage, tr("Level"))) {
    m_panel->setObjectName(QStringLiteral("gatePanel"));
    m_graph->setObjectName(QStringLiteral("gateGraph"));
    auto* group = new QGroupBox(tr("Noise Gate"));
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(m_panel);
    groupLayout->addWidget(m_graph, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(group, 1);
    row->addWidget(m_fader);
    contentLayout()->addLayout(row);

    m_panel->attachGraph(m_graph);
    bindPanel(m_panel, fieldMap({Field::GateThreshold, Field::GateAttack, Field::GateRange,
                                 Field::GateRelease, Field::GateBypass}));
    lockGroup(m_panel, ControlGroup::NoiseGate);
    lockGroup(m_fader, ControlGroup::OutputFader);
}

void CTzAmpNoisePage::refreshFields() {
    refreshPanels();
    m_fader->refresh();
}

} // namespace kelo::gui
