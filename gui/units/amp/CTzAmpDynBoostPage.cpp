#include "gui/units/amp/CTzAmpDynBoostPage.h"

#include "gui/controls/CTransferGraph.h"
#include "gui/panels/CMultiCompPanel.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

CTzAmpDynBoostPage::CTzAmpDynBoostPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel), m_panel(new CMultiCompPanel),
      m_high(new CCompressorGraph), m_low(new CCompressorGraph),
      m_fader(new CAmpLevelFader(this, channel, EditOrigin::ChannelPage, tr("Level"))) {
    m_panel->setObjectName(QStringLiteral("multiCompPanel"));
    m_high->setObjectName(QStringLiteral("highGraph"));
    m_low->setObjectName(QStringLiteral("lowGraph"));

    auto* compressor = new QGroupBox(tr("Multi Comp"));
    auto* compressorLayout = new QVBoxLayout(compressor);
    compressorLayout->addWidget(m_panel);
    auto* graphs = new QHBoxLayout;
    for (auto [graph, title] : {std::pair{m_high, tr("High")}, std::pair{m_low, tr("Low")}}) {
        auto* box = new QGroupBox(title);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(graph);
        graphs->addWidget(box, 1);
    }
    compressorLayout->addLayout(graphs, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(compressor, 1);
    row->addWidget(m_fader);
    contentLayout()->addLayout(row);

    // The panel's fields are the compressor's 13 words in stored order, then its by-pass.
    bindPanel(m_panel, fieldMap({Field::CompHighFrequency, Field::CompHighAttack, Field::CompHighRelease,
                                 Field::CompHighRatio, Field::CompHighThreshold, Field::CompHighGain,
                                 Field::CompLowFrequency, Field::CompLowAttack, Field::CompLowRelease,
                                 Field::CompLowRatio, Field::CompLowThreshold, Field::CompLowGain,
                                 Field::CompMidGain, Field::CompBypass}));
    connect(m_panel, &CMultiCompPanel::bandGraphChanged, this, &CTzAmpDynBoostPage::updateGraph);
    lockGroup(m_panel, ControlGroup::Limiter);
    lockGroup(m_fader, ControlGroup::OutputFader);
    updateGraph(CompressorBand::High);
    updateGraph(CompressorBand::Low);
}

CCompressorGraph* CTzAmpDynBoostPage::graph(CompressorBand band) const {
    return band == CompressorBand::High ? m_high : m_low;
}

void CTzAmpDynBoostPage::updateGraph(CompressorBand band) {
    const bool high = band == CompressorBand::High;
    graph(band)->setValues(
        static_cast<int>(fieldValue(ref(high ? Field::CompHighThreshold : Field::CompLowThreshold))),
        static_cast<int>(fieldValue(ref(high ? Field::CompHighRatio : Field::CompLowRatio))));
}

void CTzAmpDynBoostPage::refreshFields() {
    refreshPanels();
    m_fader->refresh();
    updateGraph(CompressorBand::High);
    updateGraph(CompressorBand::Low);
}

} // namespace kelo::gui
