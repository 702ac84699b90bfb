#include "gui/panels/CCrossoverPanel.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "gui/panels/CSpinEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

QComboBox* typeList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    for (int type = 0; type < CrossoverTypeNames.size(); ++type) {
        list->addItem(QString::fromStdString(CrossoverTypeNames.clampedName(type)));
    }
    list->setToolTip(name);
    list->setAccessibleName(name);
    return list;
}

} // namespace

CCrossoverPanel::CCrossoverPanel(QWidget* parent) : CBlockPanel(parent) {
    auto* frame = new QGroupBox(tr("Crossover"), this);
    m_highPassType = typeList(frame, tr("High-pass filter type"));
    m_lowPassType = typeList(frame, tr("Low-pass filter type"));
    m_highPassType->setObjectName(QStringLiteral("highPassTypeComboBox"));
    m_lowPassType->setObjectName(QStringLiteral("lowPassTypeComboBox"));
    m_highPassFrequency = new CSpinEdit(spinScale(FrequencyScale), tr("High-pass frequency"), frame);
    m_lowPassFrequency = new CSpinEdit(spinScale(FrequencyScale), tr("Low-pass frequency"), frame);
    m_phase = new CSpinEdit(spinScale(PhaseScale), tr("Phase"), frame);
    m_highPassFrequency->setObjectName(QStringLiteral("highPassFrequencySpinEdit"));
    m_lowPassFrequency->setObjectName(QStringLiteral("lowPassFrequencySpinEdit"));
    m_phase->setObjectName(QStringLiteral("phaseSpinEdit"));

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("Type"), frame), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Freq"), frame), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("High-Pass"), frame), 1, 0, Qt::AlignRight);
    grid->addWidget(m_highPassType, 1, 1);
    grid->addWidget(m_highPassFrequency, 1, 2);
    grid->addWidget(new QLabel(tr("Low-Pass"), frame), 2, 0, Qt::AlignRight);
    grid->addWidget(m_lowPassType, 2, 1);
    grid->addWidget(m_lowPassFrequency, 2, 2);
    grid->addWidget(new QLabel(tr("Phase"), frame), 3, 0, Qt::AlignRight);
    grid->addWidget(m_phase, 3, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    const auto valueEdit = [this](CSpinEdit* field, Field which) {
        connect(field, &CSpinEdit::indexEdited, this, [this, which](int index) {
            write(which, index);
            emit changed();
        });
    };
    valueEdit(m_highPassFrequency, HighPassFrequency);
    valueEdit(m_lowPassFrequency, LowPassFrequency);
    valueEdit(m_phase, Phase);
    const auto typeEdit = [this](QComboBox* list, Field which) {
        connect(list, &QComboBox::activated, this, [this, which](int type) {
            write(which, type);
            emit changed();
            emit typeChanged();
        });
    };
    typeEdit(m_highPassType, HighPassType);
    typeEdit(m_lowPassType, LowPassType);
    refresh();
}

void CCrossoverPanel::setFieldsEnabled(bool enabled) {
    m_fieldsEnabled = enabled;
    for (QWidget* field : std::initializer_list<QWidget*>{m_highPassType, m_lowPassType, m_highPassFrequency,
                                                          m_lowPassFrequency, m_phase}) {
        field->setEnabled(enabled);
    }
}

void CCrossoverPanel::refresh() {
    const auto showType = [](QComboBox* list, int type) {
        list->setCurrentIndex(type >= 0 && type < list->count() ? type : -1);
    };
    showType(m_lowPassType, read(LowPassType));
    showType(m_highPassType, read(HighPassType));
    m_lowPassFrequency->setIndex(read(LowPassFrequency));
    m_highPassFrequency->setIndex(read(HighPassFrequency));
    m_phase->setIndex(read(Phase));
}

} // namespace kelo::gui
