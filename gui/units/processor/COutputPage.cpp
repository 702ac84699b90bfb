#include "gui/units/processor/COutputPage.h"

#include "core/scales/CompositeText.h"
#include "core/units/Unit.h"
#include "gui/controls/CFader.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/panels/CCrossoverPanel.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/units/processor/EqRows.h"

#include <QHBoxLayout>

namespace kelo::gui {

COutputPage::COutputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t output, bool /*pair*/,
                         QWidget* parent)
    : CUnitPage(document, unitKey, parent), m_output(static_cast<std::uint8_t>(output)) {
    m_crossover = new CCrossoverPanel(this);
    m_crossover->setObjectName(QStringLiteral("crossoverPanel"));
    bindPanel(m_crossover, [this](int field) -> std::optional<FieldRef> {
        switch (field) {
        case CCrossoverPanel::LowPassType:
            return FieldRef{Field::LowPassType, m_output, 0};
        case CCrossoverPanel::LowPassFrequency:
            return FieldRef{Field::LowPassFrequency, m_output, 0};
        case CCrossoverPanel::Phase:
            return FieldRef{Field::Phase, m_output, 0};
        case CCrossoverPanel::HighPassType:
            return FieldRef{Field::HighPassType, m_output, 0};
        case CCrossoverPanel::HighPassFrequency:
            return FieldRef{Field::HighPassFrequency, m_output, 0};
        default:
            return std::nullopt;
        }
    });
    lockGroup(m_crossover, ControlGroup::OutputFilters);

    auto* bands = new QVBoxLayout;
    bands->addWidget(CEqBandRow::createHeader(this));
    for (std::uint8_t band = 0; band < m_rows.size(); ++band) {
        auto* row = new CEqBandRow(band + 1, this);
        row->setObjectName(QStringLiteral("bandRow%1").arg(band));
        bindPanel(row, [this, band](int field) { return eqRowField(false, m_output, band, field); });
        lockGroup(row, ControlGroup::OutputFilters);
        bands->addWidget(row);
        m_rows[band] = row;
    }

    m_fader = new CFader(FaderKind::ProcessorOutput, this);
    m_fader->setObjectName(QStringLiteral("outputFader"));
    m_fader->setTitle(tr("Output %1").arg(m_output + 1));
    connect(m_fader, &CFader::indexChanged, this, [this](int value) {
        setField(FieldRef{Field::OutputGain, m_output, 0}, static_cast<std::uint32_t>(value));
    });
    connect(m_fader, &CFader::muteToggled, this, [this](bool muted) {
        setField(FieldRef{Field::OutputMute, m_output, 0}, muted ? 1 : 0, EditOrigin::ChannelPage);
    });
    connect(m_fader, &CFader::polarityToggled, this, [this](bool reversed) {
        setField(FieldRef{Field::OutputPolarity, m_output, 0}, reversed ? 1 : 0);
    });
    lockGroup(m_fader, ControlGroup::OutputFader);

    m_graph = new CResponseGraph(this);
    m_graph->setObjectName(QStringLiteral("responseGraph"));
    connect(m_graph, &CResponseGraph::bandGrabbed, this, [this](int band) {
        if (band >= 0 && band < static_cast<int>(m_rows.size())) {
            m_rows[static_cast<std::size_t>(band)]->setHighlighted(true);
        }
    });
    connect(m_graph, &CResponseGraph::bandReleased, this, [this](int band) {
        if (band >= 0 && band < static_cast<int>(m_rows.size())) {
            m_rows[static_cast<std::size_t>(band)]->setHighlighted(false);
        }
    });
    connect(m_graph, &CResponseGraph::bandMoved, this, [this](int band, int frequency, int gain) {
        const auto b = static_cast<std::uint8_t>(band);
        if (!m_rows[b]->isEnabled()) {
            return; // locked: the handles do not move the bands
        }
        moveBand(FieldRef{Field::OutputEqFrequency, m_output, b}, FieldRef{Field::OutputEqGain, m_output, b},
                 frequency, gain);
    });

    auto* left = new QVBoxLayout;
    left->addWidget(m_crossover); // the panel carries its own "Crossover" frame
    left->addLayout(bands);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(m_fader);
    contentLayout()->addLayout(top);
    contentLayout()->addWidget(m_graph, 1);
}

std::optional<PageChannel> COutputPage::pageChannel() const {
    return PageChannel{GangGroup::Outputs, m_output};
}

void COutputPage::refreshFields() {
    const Unit* shown = unit();
    const ProcessorUnit* record = shown != nullptr ? shown->processor() : nullptr;
    if (record == nullptr) {
        return;
    }
    const OutputChannel& channel = record->live.outputs[m_output];
    refreshPanels();
    for (std::size_t band = 0; band < m_rows.size(); ++band) {
        m_rows[band]->setBorrowed(isBandBorrowed(static_cast<int>(band), static_cast<int>(m_rows.size()),
                                                 channel.crossover.lowPassType,
                                                 channel.crossover.highPassType));
    }
    {
        const QSignalBlocker quiet(m_fader);
        m_fader->setIndex(static_cast<int>(channel.gain));
        m_fader->setMuted(record->live.outputMute(m_output) != 0);
        m_fader->setPolarityReversed(channel.polarity != 0);
    }
    m_graph->setChannel(channel.crossover, channel.bands);
}

} // namespace kelo::gui
