#include "gui/units/amp/CTzAmpDelayPage.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CTemperaturePanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

// The delay panels' fields: distance, display unit, temperature (shared by both channels).
std::vector<Field> delayFields() {
    return {Field::InputDelay, Field::DelayUnit, Field::Temperature};
}

} // namespace

CTzAmpDelayPage::CTzAmpDelayPage(CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey),
      m_delayBindings{AmpFieldBinding(document, unitKey, delayFields(), 0),
                      AmpFieldBinding(document, unitKey, delayFields(), 1)},
      m_temperatureBinding(document, unitKey, {Field::Temperature, Field::TemperatureUnit}, 0),
      m_units(new CDelayUnitButtons), m_temperature(new CTemperaturePanel) {
    setObjectName(QStringLiteral("delayPage"));
    auto* delays = new QGroupBox(tr("Delay"));
    auto* delaysLayout = new QVBoxLayout(delays);
    for (int channel = 0; channel < 2; ++channel) {
        auto* panel = new CDelayPanel;
        panel->setObjectName(channel == 0 ? QStringLiteral("delayPanelA") : QStringLiteral("delayPanelB"));
        panel->setMaximumDistance(kMaximumDelayMm);
        // Both channels show their distance in the one unit chosen below.
        panel->unitButtons()->hide();
        panel->setBinding(&m_delayBindings[static_cast<std::size_t>(channel)]);
        auto* box = new QGroupBox(channel == 0 ? tr("Channel A") : tr("Channel B"));
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(panel);
        delaysLayout->addWidget(box);
        m_delays[static_cast<std::size_t>(channel)] = panel;
        lockGroup(box, ControlGroup::InputDelay);
    }
    m_units->setObjectName(QStringLiteral("delayUnitButtons"));
    delaysLayout->addWidget(m_units);
    lockGroup(m_units, ControlGroup::DelayUnits);

    auto* temperature = new QGroupBox(tr("Temperature"));
    auto* temperatureLayout = new QVBoxLayout(temperature);
    m_temperature->setObjectName(QStringLiteral("temperaturePanel"));
    temperatureLayout->addWidget(m_temperature);
    m_temperature->setBinding(&m_temperatureBinding);
    lockGroup(m_temperature, ControlGroup::Temperature);

    auto* row = new QHBoxLayout;
    row->addWidget(delays, 2);
    row->addWidget(temperature, 1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch();

    connect(m_units, &CDelayUnitButtons::unitChosen, this, [this](int unit) {
        m_delayBindings[0].setValue(1, unit);
        refreshFields();
    });
    // Distances are shown at the air temperature: a new temperature rewrites them.
    connect(m_temperature, &CBlockPanel::changed, this, &CTzAmpDelayPage::refreshFields);
    refreshFields();
}

void CTzAmpDelayPage::refreshFields() {
    for (CDelayPanel* panel : m_delays) {
        panel->refresh();
    }
    m_units->setUnit(m_delayBindings[0].value(1));
    m_temperature->refresh();
}

} // namespace kelo::gui
