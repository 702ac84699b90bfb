#include "gui/panels/CDelayPanel.h"

#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/panels/DelayScale.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace kelo::gui {

CDelayPanel::CDelayPanel(QWidget* parent) : CBlockPanel(parent) {
    auto* frame = new QGroupBox(tr("Delay"), this);
    m_distance = new CSpinEdit(frame);
    m_distance->setObjectName(QStringLiteral("delaySpinEdit"));
    m_distance->setName(tr("Delay"));
    m_units = new CDelayUnitButtons(frame);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(m_distance, 0, Qt::AlignTop);
    row->addWidget(m_units);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    connect(m_distance, &CSpinEdit::indexEdited, this, [this](int mm) {
        write(Distance, mm);
        emit changed();
    });
    connect(m_units, &CDelayUnitButtons::unitChosen, this, [this](int unit) {
        write(DisplayUnit, unit);
        applyScale();
    });
    applyScale();
}

void CDelayPanel::setMaximumDistance(int mm) {
    m_maximumMm = std::max(0, mm);
    applyScale();
}

void CDelayPanel::refresh() {
    m_units->setUnit(read(DisplayUnit));
    applyScale();
    m_distance->setIndex(read(Distance));
}

void CDelayPanel::applyScale() {
    const int mm = m_distance->index();
    m_distance->setScale(delaySpinScale(m_units->unit(), read(Temperature), m_maximumMm));
    m_distance->setIndex(mm);
}

} // namespace kelo::gui
