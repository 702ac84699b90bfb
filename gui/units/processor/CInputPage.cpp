#include "gui/units/processor/CInputPage.h"

#include "core/units/Unit.h"
#include "gui/controls/CFader.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/units/processor/EqRows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace kelo::gui {

namespace {
constexpr int kInputMaximumMm = 900000;
} // namespace

CInputPage::CInputPage(CSystemDoc* document, std::uint32_t unitKey, std::size_t input, bool /*pair*/,
                       QWidget* parent)
    : CUnitPage(document, unitKey, parent), m_input(static_cast<std::uint8_t>(input)) {
    auto* bands = new QVBoxLayout;
    bands->addWidget(CEqBandRow::createHeader(this));
    for (std::uint8_t band = 0; band < m_rows.size(); ++band) {
        auto* row = new CEqBandRow(band + 1, this);
        row->setObjectName(QStringLiteral("bandRow%1").arg(band));
        bindPanel(row, [this, band](int field) { return eqRowField(true, m_input, band, field); });
        lockGroup(row, ControlGroup::InputEq);
        bands->addWidget(row);
        m_rows[band] = row;
    }

    m_fader = new CFader(FaderKind::ProcessorOutput, this);
    m_fader->setObjectName(QStringLiteral("inputFader"));
    m_fader->setTitle(tr("Input"));
    m_fader->muteButton()->hide();
    m_fader->polarityButton()->hide();
    connect(m_fader, &CFader::indexChanged, this, [this](int value) {
        setField(FieldRef{Field::InputGain, m_input, 0}, static_cast<std::uint32_t>(value));
    });
    lockGroup(m_fader, ControlGroup::InputFader);

    m_delay = new CDelayPanel(this);
    m_delay->setObjectName(QStringLiteral("inputDelay"));
    m_delay->setMaximumDistance(kInputMaximumMm);
    bindPanel(m_delay, [this](int field) -> std::optional<FieldRef> {
        switch (field) {
        case CDelayPanel::Distance:
            return FieldRef{Field::InputDelay, m_input, 0};
        case CDelayPanel::DisplayUnit:
            return FieldRef{Field::InputDelayUnit, 0, 0};
        case CDelayPanel::Temperature:
            return FieldRef{Field::Temperature, 0, 0};
        default:
            return std::nullopt;
        }
    });
    lockGroup(m_delay, ControlGroup::InputDelay);
    lockGroup(m_delay->unitButtons(), ControlGroup::DelayUnits);
    auto* delayGroup = new QGroupBox(tr("Delay"), this);
    (new QVBoxLayout(delayGroup))->addWidget(m_delay);

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
        if (!m_rows[0]->isEnabled()) {
            return; // locked: the handles do not move the bands
        }
        const auto b = static_cast<std::uint8_t>(band);
        moveBand(FieldRef{Field::InputEqFrequency, m_input, b}, FieldRef{Field::InputEqGain, m_input, b},
                 frequency, gain);
    });

    auto* top = new QHBoxLayout;
    top->addLayout(bands, 1);
    top->addWidget(m_fader);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_graph, 1);
    bottom->addWidget(delayGroup);
    contentLayout()->addLayout(top);
    contentLayout()->addLayout(bottom, 1);
}

std::optional<PageChannel> CInputPage::pageChannel() const {
    return PageChannel{GangGroup::Inputs, m_input};
}

void CInputPage::refreshFields() {
    const Unit* shown = unit();
    const ProcessorUnit* record = shown != nullptr ? shown->processor() : nullptr;
    if (record == nullptr) {
        return;
    }
    refreshPanels();
    {
        const QSignalBlocker quiet(m_fader);
        m_fader->setIndex(static_cast<int>(record->live.inputs[m_input].gain));
    }
    m_graph->setEqualizer(record->live.inputs[m_input].bands);
}

} // namespace kelo::gui
