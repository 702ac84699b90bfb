#include "gui/units/processor/CDelayPage.h"

#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CTemperaturePanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kelo::gui {

namespace {

constexpr int kInputMaximumMm = 900000;
constexpr int kOutputMaximumMm = 100000;

} // namespace

CDelayPage::CDelayPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitPage(document, unitKey, parent) {
    const auto makeGroup = [this](const QString& title, Field unitField, CDelayUnitButtons*& selector) {
        auto* group = new QGroupBox(title, this);
        auto* layout = new QGridLayout(group);
        selector = new CDelayUnitButtons(group);
        connect(selector, &CDelayUnitButtons::unitChosen, this, [this, unitField](int unit) {
            setField(FieldRef{unitField, 0, 0}, static_cast<std::uint32_t>(unit));
        });
        lockGroup(selector, ControlGroup::DelayUnits);
        return std::pair<QGroupBox*, QGridLayout*>(group, layout);
    };
    auto [inputGroup, inputLayout] = makeGroup(tr("Input Delay"), Field::InputDelayUnit, m_inputUnits);
    auto [outputGroup, outputLayout] = makeGroup(tr("Output Delay"), Field::OutputDelayUnit, m_outputUnits);
    m_inputUnits->setObjectName(QStringLiteral("inputDelayUnits"));
    m_outputUnits->setObjectName(QStringLiteral("outputDelayUnits"));

    for (std::size_t index = 0; index < m_panels.size(); ++index) {
        const bool inputSide = index < 3;
        auto* panel = new CDelayPanel(this);
        panel->setObjectName(QStringLiteral("delayPanel%1").arg(index));
        panel->setMaximumDistance(inputSide ? kInputMaximumMm : kOutputMaximumMm);
        // The group's selector chooses the display unit; the panels only show it.
        panel->unitButtons()->hide();
        Field distance = Field::OutputDelay;
        std::uint8_t channel = 0;
        QString title;
        if (index < 2) {
            distance = Field::InputDelay;
            channel = static_cast<std::uint8_t>(index);
            title = index == 0 ? tr("Input A") : tr("Input B");
        } else if (index == 2) {
            distance = Field::SumDelay;
            title = tr("Input SUM");
        } else {
            channel = static_cast<std::uint8_t>(index - 3);
            title = tr("Output %1").arg(channel + 1);
        }
        const Field unitField = inputSide ? Field::InputDelayUnit : Field::OutputDelayUnit;
        bindPanel(panel, [distance, channel, unitField](int field) -> std::optional<FieldRef> {
            switch (field) {
            case CDelayPanel::Distance:
                return FieldRef{distance, channel, 0};
            case CDelayPanel::DisplayUnit:
                return FieldRef{unitField, 0, 0};
            case CDelayPanel::Temperature:
                return FieldRef{Field::Temperature, 0, 0};
            default:
                return std::nullopt;
            }
        });
        lockGroup(panel, inputSide ? ControlGroup::InputDelay : ControlGroup::OutputDelay);
        QGridLayout* layout = inputSide ? inputLayout : outputLayout;
        const int slot = static_cast<int>(inputSide ? index : index - 3);
        auto* label = new QLabel(title, this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(label, slot, 0);
        layout->addWidget(panel, slot, 1);
        m_panels[index] = panel;
    }
    inputLayout->addWidget(m_inputUnits, 3, 0, 1, 2);
    outputLayout->addWidget(m_outputUnits, 6, 0, 1, 2);

    m_temperature = new CTemperaturePanel(this);
    m_temperature->setObjectName(QStringLiteral("temperaturePanel"));
    bindPanel(m_temperature, [](int field) -> std::optional<FieldRef> {
        switch (field) {
        case CTemperaturePanel::Temperature:
            return FieldRef{Field::Temperature, 0, 0};
        case CTemperaturePanel::DisplayUnit:
            return FieldRef{Field::TemperatureUnit, 0, 0};
        default:
            return std::nullopt;
        }
    });
    lockGroup(m_temperature, ControlGroup::Temperature);
    auto* temperatureGroup = new QGroupBox(tr("Temperature"), this);
    (new QVBoxLayout(temperatureGroup))->addWidget(m_temperature);

    auto* left = new QVBoxLayout;
    left->addWidget(inputGroup);
    left->addWidget(temperatureGroup);
    left->addStretch();
    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addWidget(outputGroup, 1);
    contentLayout()->addLayout(row);
}

void CDelayPage::refreshFields() {
    {
        const QSignalBlocker quietIn(m_inputUnits);
        const QSignalBlocker quietOut(m_outputUnits);
        m_inputUnits->setUnit(static_cast<int>(fieldValue(FieldRef{Field::InputDelayUnit, 0, 0})));
        m_outputUnits->setUnit(static_cast<int>(fieldValue(FieldRef{Field::OutputDelayUnit, 0, 0})));
    }
    refreshPanels();
}

} // namespace kelo::gui
