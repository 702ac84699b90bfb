#include "gui/panels/CNoiseGatePanel.h"

#include "core/scales/RuleScale.h"
#include "gui/controls/CTransferGraph.h"
#include "gui/panels/CBypassButton.h"
#include "gui/panels/CSpinEdit.h"

#include <QGridLayout>
#include <QLabel>

namespace kelo::gui {

CNoiseGatePanel::CNoiseGatePanel(QWidget* parent) : CBlockPanel(parent) {
    struct Spec {
        Field field;
        const RuleScale* scale;
        QString caption;
        const char* objectName;
    };
    const Spec specs[4]{{Threshold, &GateThresholdScale, tr("Threshold"), "thresholdSpinEdit"},
                        {Attack, &AttackTimeScale, tr("Attack"), "attackSpinEdit"},
                        {Range, &GateRangeScale, tr("Range"), "rangeSpinEdit"},
                        {Release, &ReleaseTimeScale, tr("Release"), "releaseSpinEdit"}};
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        const Spec& spec = specs[i];
        m_fields[i] = new CSpinEdit(spinScale(*spec.scale), spec.caption, this);
        m_fields[i]->setObjectName(QString::fromLatin1(spec.objectName));
        auto* label = new QLabel(spec.caption, this);
        label->setBuddy(m_fields[i]);
        grid->addWidget(label, i / 2, 2 * (i % 2), Qt::AlignRight);
        grid->addWidget(m_fields[i], i / 2, 2 * (i % 2) + 1);
        const Field field = spec.field;
        connect(m_fields[i], &CSpinEdit::indexEdited, this, [this, field](int index) {
            write(field, index);
            updateGraph();
            emit changed();
        });
    }
    m_bypass = new CBypassButton(this);
    grid->addWidget(m_bypass, 2, 3);
    connect(m_bypass, &CBypassButton::toggled, this, [this](bool bypassed) {
        write(Bypass, bypassed ? 1 : 0);
        emit changed();
    });
    refresh();
}

void CNoiseGatePanel::attachGraph(CGateGraph* graph) {
    m_graph = graph;
    updateGraph();
}

CSpinEdit* CNoiseGatePanel::field(Field field) const {
    return field >= Threshold && field <= Release ? m_fields[field] : nullptr;
}

void CNoiseGatePanel::refresh() {
    for (int i = 0; i < 4; ++i) {
        m_fields[i]->setIndex(read(i));
    }
    m_bypass->setBypassed(read(Bypass) != 0);
    updateGraph();
}

void CNoiseGatePanel::updateGraph() {
    if (m_graph != nullptr) {
        m_graph->setValues(m_fields[Threshold]->index(), m_fields[Range]->index());
    }
}

} // namespace kelo::gui
