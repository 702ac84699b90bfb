#include "gui/gallery/DemoBlock.h"

namespace kelo::gui {

DemoBlock::DemoBlock(QString name, QStringList fieldNames, std::vector<int> values)
    : m_name(std::move(name)), m_fieldNames(std::move(fieldNames)), m_values(std::move(values)) {
    m_values.resize(static_cast<std::size_t>(m_fieldNames.size()));
}

int DemoBlock::value(int field) const {
    if (field < 0 || field >= static_cast<int>(m_values.size())) {
        return 0;
    }
    return m_values[static_cast<std::size_t>(field)];
}

void DemoBlock::setValue(int field, int index) {
    if (field < 0 || field >= static_cast<int>(m_values.size())) {
        return;
    }
    m_values[static_cast<std::size_t>(field)] = index;
    if (m_reporter) {
        m_reporter(
            QStringLiteral("%1 / %2 set to index %3").arg(m_name, m_fieldNames.value(field)).arg(index));
    }
}

} // namespace kelo::gui
