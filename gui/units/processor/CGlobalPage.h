#pragma once

#include "core/family/Family.h"
#include "gui/units/shared/CUnitPage.h"

#include <array>

class QCheckBox;

namespace kelo::gui {

class CResponseGraph;

/// The Global page: the response of the whole unit, one curve per output composed from its EQ and
/// crossover, its gain and the EQ of the input feeding it, as the unit's three graph switches say. The
/// switches are all checked each time the page opens.
class CGlobalPage : public CUnitPage {
    Q_OBJECT

public:
    CGlobalPage(Family family, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);

    void refreshFields() override;
    QCheckBox* switchBox(std::size_t index) const { return m_switches.at(index); }
    CResponseGraph* graph() const { return m_graph; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::array<QCheckBox*, 3> m_switches{};
    CResponseGraph* m_graph = nullptr;
};

} // namespace kelo::gui
