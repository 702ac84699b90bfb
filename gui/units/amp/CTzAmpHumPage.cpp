#include "gui/units/amp/CTzAmpHumPage.h"

#include "gui/controls/CHumGraph.h"
#include "gui/panels/CHumPanel.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

CTzAmpHumPage::CTzAmpHumPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel), m_panel(new CHumPanel), m_graph(new CHumGraph),
      m_fader(new CAmpLevelFader(this, channel, EditOrigin::ChannelPage, tr("Level"))) {
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

    bindPanel(m_panel, fieldMap({Field::HumFrequency, Field::HumAttack, Field::HumThreshold,
                                 Field::HumRelease, Field::HumBypass}));
    connect(m_panel, &CBlockPanel::changed, this, &CTzAmpHumPage::updateGraph);
    lockGroup(m_panel, ControlGroup::NoiseGate);
    lockGroup(m_fader, ControlGroup::OutputFader);
    updateGraph();
}

void CTzAmpHumPage::updateGraph() {
    m_graph->setValues(static_cast<int>(fieldValue(ref(Field::HumFrequency))),
                       static_cast<int>(fieldValue(ref(Field::HumThreshold))));
}

void CTzAmpHumPage::refreshFields() {
    refreshPanels();
    m_fader->refresh();
    updateGraph();
}

} // namespace kelo::gui
