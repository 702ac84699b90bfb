#include "gui/panels/CTemperaturePanel.h"

#include "core/scales/TemperatureScale.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/panels/CThermometer.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

namespace kelo::gui {

CTemperaturePanel::CTemperaturePanel(QWidget* parent) : CBlockPanel(parent) {
    m_field = new CSpinEdit(this);
    m_field->setObjectName(QStringLiteral("temperatureSpinEdit"));
    m_field->setName(tr("Temperature"));
    m_thermometer = new CThermometer(this);
    m_celsius = new QRadioButton(QStringLiteral("\u00b0 C"), this);
    m_fahrenheit = new QRadioButton(QStringLiteral("\u00b0 F"), this);
    auto* units = new QButtonGroup(this);
    units->addButton(m_celsius, 0);
    units->addButton(m_fahrenheit, 1);
    m_celsius->setChecked(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_field, 0, 0);
    grid->addWidget(m_celsius, 1, 0);
    grid->addWidget(m_fahrenheit, 2, 0);
    grid->setRowStretch(3, 1);
    grid->addWidget(m_thermometer, 0, 1, 4, 1);

    connect(m_field, &CSpinEdit::indexEdited, this, [this](int index) {
        store(index);
        emit changed();
    });
    connect(m_thermometer, &CThermometer::valueDragged, this, &CTemperaturePanel::store);
    connect(m_thermometer, &CThermometer::released, this, &CBlockPanel::changed);
    connect(units, &QButtonGroup::idClicked, this, [this](int unit) {
        write(DisplayUnit, unit);
        applyScale(unit);
    });
    applyScale(0);
}

void CTemperaturePanel::refresh() {
    const int unit = std::clamp(read(DisplayUnit), 0, 1);
    (unit == 0 ? m_celsius : m_fahrenheit)->setChecked(true);
    applyScale(unit);
    const int index = read(Temperature);
    m_field->setIndex(index);
    m_thermometer->setValue(index);
}

void CTemperaturePanel::applyScale(int unit) {
    const auto shown = unit == 1 ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
    const int index = m_field->index();
    m_field->setScale(SpinScale{
        0,
        TemperatureScaleType::maxIndex,
        [shown](int i) { return QString::fromStdString(TemperatureScale.text(i, shown)); },
        [shown](const QString& typed) { return TemperatureScale.indexFromText(typed.toStdString(), shown); },
        {}});
    m_field->setIndex(index);
}

void CTemperaturePanel::store(int index) {
    write(Temperature, index);
    m_field->setIndex(index);
    m_thermometer->setValue(index);
}

} // namespace kelo::gui
