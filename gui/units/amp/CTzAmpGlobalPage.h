#pragma once

#include "gui/units/shared/CUnitPage.h"

class QCheckBox;

namespace kelo::gui {

class CResponseGraph;

/// "Global": the response of both channels, each its crossover and ten output EQ bands ("INCLUDE EQ")
/// and its output level ("INCLUDE GAINS"). Both switches are checked each time the page opens; the
/// channel-input EQ never enters the curves.
class CTzAmpGlobalPage : public CUnitPage {
    Q_OBJECT

public:
    CTzAmpGlobalPage(CSystemDoc* document, std::uint32_t unitKey);

    void refreshFields() override;

    QCheckBox* includeGains() const { return m_gains; }
    QCheckBox* includeEq() const { return m_eq; }
    CResponseGraph* graph() const { return m_graph; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void switchesChanged();

    CResponseGraph* m_graph;
    QCheckBox* m_gains;
    QCheckBox* m_eq;
};

} // namespace kelo::gui
