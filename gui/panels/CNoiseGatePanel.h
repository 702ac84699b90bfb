#pragma once

#include "gui/panels/CBlockPanel.h"

#include <QPointer>

namespace kelo::gui {

class CBypassButton;
class CGateGraph;
class CSpinEdit;

/// The noise gate: "Threshold", "Attack", "Range", "Release" and "By-Pass"; keeps an attached gate graph
/// in step with its threshold and range.
class CNoiseGatePanel : public CBlockPanel {
    Q_OBJECT

public:
    /// Bypass is 1 while the block is by-passed.
    enum Field : int { Threshold = 0, Attack, Range, Release, Bypass };

    explicit CNoiseGatePanel(QWidget* parent = nullptr);

    /// The graph that shows this gate (not owned), or null.
    void attachGraph(CGateGraph* graph);

    CSpinEdit* field(Field field) const;
    CBypassButton* bypassButton() const { return m_bypass; }

public slots:
    void refresh() override;

private:
    void updateGraph();

    CSpinEdit* m_fields[4];
    CBypassButton* m_bypass;
    QPointer<CGateGraph> m_graph;
};

} // namespace kelo::gui
