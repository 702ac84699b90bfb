#include "gui/units/processor/CNoiseGatePage.h"

#include "gui/controls/CTransferGraph.h"
#include "gui/panels/CNoiseGatePanel.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace kelo::gui {

CNoiseGatePage::CNoiseGatePage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitPage(document, unitKey, parent) {
    auto* row = new QHBoxLayout;
    for (std::uint8_t input = 0; input < 2; ++input) {
        auto* group = new QGroupBox(input == 0 ? tr("Input A") : tr("Input B"), this);
        auto* layout = new QVBoxLayout(group);
        auto* panel = new CNoiseGatePanel(group);
        panel->setObjectName(QStringLiteral("gatePanel%1").arg(input));
        auto* graph = new CGateGraph(group);
        panel->attachGraph(graph);
        layout->addWidget(panel);
        layout->addWidget(graph, 1);
        bindPanel(panel, [input](int field) -> std::optional<FieldRef> {
            switch (field) {
            case CNoiseGatePanel::Threshold:
                return FieldRef{Field::GateThreshold, input, 0};
            case CNoiseGatePanel::Attack:
                return FieldRef{Field::GateAttack, input, 0};
            case CNoiseGatePanel::Range:
                return FieldRef{Field::GateRange, input, 0};
            case CNoiseGatePanel::Release:
                return FieldRef{Field::GateRelease, input, 0};
            case CNoiseGatePanel::Bypass:
                return FieldRef{Field::GateBypass, input, 0};
            default:
                return std::nullopt;
            }
        });
        lockGroup(panel, ControlGroup::NoiseGate);
        row->addWidget(group);
        m_panels[input] = panel;
    }
    contentLayout()->addLayout(row);
}

void CNoiseGatePage::refreshFields() {
    refreshPanels();
}

} // namespace kelo::gui
