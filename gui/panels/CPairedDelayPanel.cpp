#include "gui/panels/CPairedDelayPanel.h"

#include "gui/panels/CDelayBar.h"
#include "gui/panels/CDelayUnitButtons.h"
#include "gui/panels/CSpinEdit.h"
#include "gui/panels/DelayScale.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kelo::gui {

CPairedDelayPanel::CPairedDelayPanel(QWidget* parent) : CBlockPanel(parent) {
    auto* frame = new QGroupBox(tr("Delay"), this);
    auto* grid = new QGridLayout(frame);
    for (int which = 0; which < 2; ++which) {
        m_caption[which] = new QLabel(frame);
        m_distance[which] = new CSpinEdit(frame);
        m_distance[which]->setObjectName(which == 0 ? QStringLiteral("firstDelaySpinEdit")
                                                    : QStringLiteral("secondDelaySpinEdit"));
        m_bar[which] = new CDelayBar(frame);
        grid->addWidget(m_caption[which], 2 * which, 0, Qt::AlignRight);
        grid->addWidget(m_distance[which], 2 * which, 1);
        grid->addWidget(m_bar[which], 2 * which + 1, 0, 1, 2);
        connect(m_distance[which], &CSpinEdit::indexEdited, this, [this, which](int mm) {
            store(which, mm);
            emit changed();
        });
        connect(m_bar[which], &CDelayBar::valueDragged, this, [this, which](int mm) { store(which, mm); });
        connect(m_bar[which], &CDelayBar::released, this, &CBlockPanel::changed);
    }
    m_units = new CDelayUnitButtons(frame);
    grid->addWidget(m_units, 0, 2, 4, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setCaptions(tr("Output 1"), tr("Output 2"));

    connect(m_units, &CDelayUnitButtons::unitChosen, this, [this](int unit) {
        write(DisplayUnit, unit);
        applyScale();
    });
    applyScale();
}

void CPairedDelayPanel::setCaptions(const QString& first, const QString& second) {
    m_caption[0]->setText(first);
    m_caption[1]->setText(second);
    m_distance[0]->setName(first);
    m_distance[1]->setName(second);
    m_bar[0]->setToolTip(tr("%1: drag to set the delay").arg(first));
    m_bar[1]->setToolTip(tr("%1: drag to set the delay").arg(second));
}

void CPairedDelayPanel::setMaximumDistance(int mm) {
    m_maximumMm = std::max(0, mm);
    m_bar[0]->setMaximum(m_maximumMm);
    m_bar[1]->setMaximum(m_maximumMm);
    applyScale();
}

void CPairedDelayPanel::refresh() {
    m_units->setUnit(read(DisplayUnit));
    applyScale();
    for (int which = 0; which < 2; ++which) {
        const int mm = read(which == 0 ? FirstDistance : SecondDistance);
        m_distance[which]->setIndex(mm);
        m_bar[which]->setValue(mm);
    }
}

void CPairedDelayPanel::applyScale() {
    for (int which = 0; which < 2; ++which) {
        const int mm = m_distance[which]->index();
        m_distance[which]->setScale(delaySpinScale(m_units->unit(), read(Temperature), m_maximumMm));
        m_distance[which]->setIndex(mm);
        m_bar[which]->setMaximum(m_maximumMm);
    }
}

void CPairedDelayPanel::store(int which, int mm) {
    write(which == 0 ? FirstDistance : SecondDistance, mm);
    m_distance[which]->setIndex(mm);
    m_bar[which]->setValue(mm);
}

} // namespace kelo::gui
