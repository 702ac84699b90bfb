#include "gui/units/amp/CTzAmpHumPage.h"

#include "gui/controls/CHumGraph.h"
#include "gui/panels/CHumPanel.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

CTzAmpHumPage::CTzAmpHumPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel),
      m_binding(document, unitKey,
                {Field::HumFrequency, Field::HumAttack, Field::HumThreshold, Field::HumRelease, Field::HumBypass},
                channel),
      m_panel(new CHumPanel), m_graph(new CHumGraph),
      m_fader(new CAmpLevelFader(document, unitKey, channel, EditOrigin::ChannelPage, tr("Level"))) {
    setObjectName(QStringLiteral("humPage"));
    m_panel->setObjectName(QStringLiteral("humPanel"));
    m_graph->setObjectName(QStringLiteral("humGraph"));
    auto* group = new QGroupBox(tr("Hum Cancel"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_panel);
    groupLayout->addWidget(m_graph, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(group, 1);
    row->addWidget(m_fader);
    contentLayout()->addLayout(row);

    m_panel->setBinding(&m_binding);
    connect(m_panel, &CBlockPanel::changed, this, &CTzAmpHumPage::updateGraph);
    lockGroup(m_panel, ControlGroup::NoiseGate);
    lockGroup(m_fader, ControlGroup::OutputFader);
    updateGraph();
}

void CTzAmpHumPage::updateGraph() {
    m_graph->setValues(m_binding.value(CHumPanel::Frequency), m_binding.value(CHumPanel::Threshold));
}

void CTzAmpHumPage::refreshFields() {
    m_panel->refresh();
    m_fader->refresh();
    updateGraph();
}

} // namespace kelo::gui
