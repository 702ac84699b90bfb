#include "gui/panels/CDelayUnitButtons.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelo::gui {

CDelayUnitButtons::CDelayUnitButtons(QWidget* parent) : QWidget(parent), m_group(new QButtonGroup(this)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    const QStringList captions{tr("microseconds"), tr("milliseconds"), tr("millimeters"), tr("meters")};
    for (int unit = 0; unit < captions.size(); ++unit) {
        auto* button = new QRadioButton(captions[unit], this);
        button->setToolTip(tr("Show the delay in %1").arg(captions[unit]));
        m_group->addButton(button, unit);
        column->addWidget(button);
    }
    m_group->button(0)->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &CDelayUnitButtons::unitChosen);
}

int CDelayUnitButtons::unit() const {
    return std::max(0, m_group->checkedId());
}

void CDelayUnitButtons::setUnit(int unit) {
    m_group->button(std::clamp(unit, 0, 3))->setChecked(true);
}

QRadioButton* CDelayUnitButtons::button(int unit) const {
    return static_cast<QRadioButton*>(m_group->button(std::clamp(unit, 0, 3)));
}

} // namespace kelo::gui
