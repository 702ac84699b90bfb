#include "gui/units/amp/CTzAmpOutputPage.h"

#include "core/units/Unit.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/panels/CCrossoverPanel.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kelo::gui {

CTzAmpOutputPage::CTzAmpOutputPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel), m_crossover(new CCrossoverPanel),
      m_banks(new QStackedWidget), m_lowBank(new QRadioButton(tr("EQ 1-5"))),
      m_highBank(new QRadioButton(tr("EQ 6-10"))), m_graph(new CResponseGraph),
      m_fader(new CAmpLevelFader(this, channel, EditOrigin::ChannelPage, tr("Level"))) {
    m_crossover->setObjectName(QStringLiteral("crossoverPanel"));
    m_graph->setObjectName(QStringLiteral("responseGraph"));
    m_lowBank->setObjectName(QStringLiteral("eqLowBankButton"));
    m_highBank->setObjectName(QStringLiteral("eqHighBankButton"));
    m_lowBank->setToolTip(tr("Show EQ bands 1 to 5"));
    m_highBank->setToolTip(tr("Show EQ bands 6 to 10"));

    auto* crossoverBox = new QGroupBox(tr("Crossover"));
    auto* crossoverLayout = new QVBoxLayout(crossoverBox);
    crossoverLayout->addWidget(m_crossover);
    bindPanel(m_crossover, fieldMap({Field::LowPassType, Field::LowPassFrequency, Field::Phase,
                                     Field::HighPassType, Field::HighPassFrequency}));

    auto* bankButtons = new QButtonGroup(this);
    bankButtons->addButton(m_lowBank, 0);
    bankButtons->addButton(m_highBank, 1);
    m_lowBank->setChecked(true);
    for (int bank = 0; bank < 2; ++bank) {
        auto* rows = new QWidget;
        auto* rowsLayout = new QVBoxLayout(rows);
        rowsLayout->setContentsMargins(0, 0, 0, 0);
        rowsLayout->addWidget(CEqBandRow::createHeader());
        for (int band = bank * kBandsShown; band < (bank + 1) * kBandsShown; ++band) {
            auto* row = new CEqBandRow(band + 1);
            row->setObjectName(QStringLiteral("eqBandRow%1").arg(band + 1));
            bindPanel(row, fieldMap({Field::OutputEqType, Field::OutputEqFrequency, Field::OutputEqBandwidth,
                                     Field::OutputEqGain, Field::OutputEqFlat},
                                    band));
            connect(row, &CBlockPanel::changed, this, &CTzAmpOutputPage::updateGraph);
            rowsLayout->addWidget(row);
            m_rows[static_cast<std::size_t>(band)] = row;
        }
        m_banks->addWidget(rows);
    }
    auto* eqBox = new QGroupBox(tr("EQ"));
    auto* eqLayout = new QVBoxLayout(eqBox);
    auto* bankRow = new QHBoxLayout;
    bankRow->addWidget(m_lowBank);
    bankRow->addWidget(m_highBank);
    bankRow->addStretch();
    eqLayout->addLayout(bankRow);
    eqLayout->addWidget(m_banks);

    auto* left = new QVBoxLayout;
    left->addWidget(crossoverBox);
    left->addWidget(eqBox);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(m_fader);
    contentLayout()->addLayout(top);
    contentLayout()->addWidget(m_graph, 1);

    connect(bankButtons, &QButtonGroup::idClicked, this, &CTzAmpOutputPage::showBank);
    connect(m_crossover, &CBlockPanel::changed, this, &CTzAmpOutputPage::updateGraph);
    connect(m_graph, &CResponseGraph::bandGrabbed, this,
            [this](int band) { bandRow(band)->setHighlighted(true); });
    connect(m_graph, &CResponseGraph::bandMoved, this, &CTzAmpOutputPage::bandDragged);
    connect(m_graph, &CResponseGraph::bandReleased, this,
            [this](int band) { bandRow(band)->setHighlighted(false); });

    lockGroup(crossoverBox, ControlGroup::OutputFilters);
    lockGroup(m_banks, ControlGroup::OutputFilters);
    lockGroup(m_graph, ControlGroup::OutputFilters);
    lockGroup(m_fader, ControlGroup::OutputFader);
    showBank(0);
}

void CTzAmpOutputPage::showBank(int bank) {
    m_bank = bank == 1 ? 1 : 0;
    (m_bank == 0 ? m_lowBank : m_highBank)->setChecked(true);
    m_banks->setCurrentIndex(m_bank);
    m_graph->setHandleRange(m_bank * kBandsShown, kBandsShown);
}

void CTzAmpOutputPage::bandDragged(int band, int frequencyIndex, int gainIndex) {
    if (band < 0 || band >= kBandCount) {
        return;
    }
    setField(ref(Field::OutputEqFrequency, band), static_cast<std::uint32_t>(frequencyIndex));
    setField(ref(Field::OutputEqGain, band), static_cast<std::uint32_t>(gainIndex));
    bandRow(band)->refresh();
}

void CTzAmpOutputPage::updateGraph() {
    const Unit* shown = unit();
    const AmpUnit* amp = shown != nullptr ? shown->amp() : nullptr;
    if (amp == nullptr) {
        return;
    }
    const AmpOutputChannel& output = amp->live.outputs[static_cast<std::size_t>(channel())];
    m_graph->setChannel(output.crossover, output.bands);
}

void CTzAmpOutputPage::refreshFields() {
    refreshPanels();
    m_fader->refresh();
    updateGraph();
}

} // namespace kelo::gui
