#include "gui/panels/CBlockPanel.h"

#include "gui/panels/PanelBinding.h"

namespace kelo::gui {

CBlockPanel::CBlockPanel(QWidget* parent) : QWidget(parent) {}

void CBlockPanel::setBinding(PanelBinding* binding) {
    m_binding = binding;
    refresh();
}

int CBlockPanel::read(int field) const {
    return m_binding != nullptr ? m_binding->value(field) : 0;
}

void CBlockPanel::write(int field, int index) {
    if (m_binding != nullptr) {
        m_binding->setValue(field, index);
    }
}

} // namespace kelo::gui
