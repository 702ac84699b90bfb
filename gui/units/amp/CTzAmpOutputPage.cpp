#include "gui/units/amp/CTzAmpOutputPage.h"

#include "core/app/Unit.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
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

namespace {

// Each drag of a graph handle undoes as one step; keys are unique per page and drag.
std::uint64_t nextDragKey() {
    static std::uint64_t key = 0x4150'0000'0000'0000ULL;
    return ++key;
}

} // namespace

CTzAmpOutputPage::CTzAmpOutputPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CTzAmpChannelPage(document, unitKey, channel),
      m_crossoverBinding(document, unitKey,
                         {Field::LowPassType, Field::LowPassFrequency, Field::Phase, Field::HighPassType,
                          Field::HighPassFrequency},
                         channel),
      m_crossover(new CCrossoverPanel), m_banks(new QStackedWidget), m_lowBank(new QRadioButton(tr("EQ 1-5"))),
      m_highBank(new QRadioButton(tr("EQ 6-10"))), m_graph(new CResponseGraph),
      m_fader(new CAmpLevelFader(document, unitKey, channel, EditOrigin::ChannelPage, tr("Level"))) {
    setObjectName(QStringLiteral("channelPage"));
    m_crossover->setObjectName(QStringLiteral("crossoverPanel"));
    m_graph->setObjectName(QStringLiteral("responseGraph"));
    m_lowBank->setObjectName(QStringLiteral("eqLowBankButton"));
    m_highBank->setObjectName(QStringLiteral("eqHighBankButton"));
    m_lowBank->setToolTip(tr("Show EQ bands 1 to 5"));
    m_highBank->setToolTip(tr("Show EQ bands 6 to 10"));

    auto* crossoverBox = new QGroupBox(tr("Crossover"));
    auto* crossoverLayout = new QVBoxLayout(crossoverBox);
    crossoverLayout->addWidget(m_crossover);
    m_crossover->setBinding(&m_crossoverBinding);

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
            auto binding = std::make_unique<AmpFieldBinding>(
                document, unitKey,
                std::vector<Field>{Field::OutputEqType, Field::OutputEqFrequency, Field::OutputEqBandwidth,
                                   Field::OutputEqGain, Field::OutputEqFlat},
                channel, EditOrigin::ChannelPage, band);
            auto* row = new CEqBandRow(band + 1);
            row->setObjectName(QStringLiteral("eqBandRow%1").arg(band + 1));
            row->setBinding(binding.get());
            connect(row, &CBlockPanel::changed, this, &CTzAmpOutputPage::updateGraph);
            rowsLayout->addWidget(row);
            m_rows[static_cast<std::size_t>(band)] = row;
            m_bandBindings.push_back(std::move(binding));
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
    connect(m_graph, &CResponseGraph::bandGrabbed, this, [this](int band) {
        m_dragKey = nextDragKey();
        bandRow(band)->setHighlighted(true);
    });
    connect(m_graph, &CResponseGraph::bandMoved, this, &CTzAmpOutputPage::bandDragged);
    connect(m_graph, &CResponseGraph::bandReleased, this, [this](int band) {
        bandRow(band)->setHighlighted(false);
        m_dragKey = 0;
    });

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
    const auto ref = [this, band](Field field) {
        return FieldRef{field, static_cast<std::uint8_t>(channel()), static_cast<std::uint8_t>(band)};
    };
    CSystemEditor& editor = document()->editor();
    editor.setField(unitKey(), ref(Field::OutputEqFrequency), static_cast<std::uint32_t>(frequencyIndex),
                    EditOrigin::ChannelPage, m_dragKey);
    editor.setField(unitKey(), ref(Field::OutputEqGain), static_cast<std::uint32_t>(gainIndex),
                    EditOrigin::ChannelPage, m_dragKey);
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
    m_crossover->refresh();
    for (CEqBandRow* row : m_rows) {
        row->refresh();
    }
    m_fader->refresh();
    updateGraph();
}

} // namespace kelo::gui
