#include "gui/units/amp/CTzAmpDelayPage.h"

#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CTemperaturePanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

constexpr FieldRef kDelayUnit{Field::DelayUnit, 0, 0};

} // namespace

CTzAmpDelayPage::CTzAmpDelayPage(CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey), m_units(new CDelayUnitButtons), m_temperature(new CTemperaturePanel) {
    auto* delays = new QGroupBox(tr("Delay"));
    auto* delaysLayout = new QVBoxLayout(delays);
    for (int channel = 0; channel < 2; ++channel) {
        auto* panel = new CDelayPanel;
        panel->setObjectName(channel == 0 ? QStringLiteral("delayPanelA") : QStringLiteral("delayPanelB"));
        panel->setMaximumDistance(kMaximumDelayMm);
        // Both channels show their distance in the one unit chosen below.
        panel->unitButtons()->hide();
        // Distance, display unit, temperature: the last two are the unit's, shared by both channels.
        bindPanel(panel, [channel](int field) -> std::optional<FieldRef> {
            static constexpr Field kFields[] = {Field::InputDelay, Field::DelayUnit, Field::Temperature};
            if (field < 0 || field > 2) {
                return std::nullopt;
            }
            return FieldRef{kFields[field], static_cast<std::uint8_t>(field == 0 ? channel : 0), 0};
        });
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
    bindPanel(m_temperature, [](int field) -> std::optional<FieldRef> {
        if (field == CTemperaturePanel::Temperature) {
            return FieldRef{Field::Temperature, 0, 0};
        }
        if (field == CTemperaturePanel::DisplayUnit) {
            return FieldRef{Field::TemperatureUnit, 0, 0};
        }
        return std::nullopt;
    });
    lockGroup(m_temperature, ControlGroup::Temperature);

    auto* row = new QHBoxLayout;
    row->addWidget(delays, 2);
    row->addWidget(temperature, 1);
    contentLayout()->addLayout(row);
    contentLayout()->addStretch();

    connect(m_units, &CDelayUnitButtons::unitChosen, this, [this](int unit) {
        setField(kDelayUnit, static_cast<std::uint32_t>(unit));
        refreshFields();
    });
    // Distances are shown at the air temperature: a new temperature rewrites them.
    connect(m_temperature, &CBlockPanel::changed, this, &CTzAmpDelayPage::refreshFields);
    refreshFields();
}

void CTzAmpDelayPage::refreshFields() {
    refreshPanels();
    m_units->setUnit(static_cast<int>(fieldValue(kDelayUnit)));
}

} // namespace kelo::gui
