#include "gui/units/amp/AmpFieldBinding.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"

namespace kelo::gui {

AmpFieldBinding::AmpFieldBinding(CSystemDoc* document, std::uint32_t unitKey, std::vector<Field> fields,
                                 int channel, EditOrigin origin, int band)
    : m_document(document), m_unitKey(unitKey), m_fields(std::move(fields)), m_channel(channel),
      m_origin(origin), m_band(band) {}

FieldRef AmpFieldBinding::ref(int field) const {
    return FieldRef{m_fields.at(static_cast<std::size_t>(field)), static_cast<std::uint8_t>(m_channel),
                    static_cast<std::uint8_t>(m_band)};
}

int AmpFieldBinding::value(int field) const {
    if (field < 0 || static_cast<std::size_t>(field) >= m_fields.size()) {
        return 0;
    }
    return static_cast<int>(m_document->editor().value(m_unitKey, ref(field)).value_or(0));
}

void AmpFieldBinding::setValue(int field, int index) {
    if (field < 0 || static_cast<std::size_t>(field) >= m_fields.size() || index < 0) {
        return;
    }
    m_document->editor().setField(m_unitKey, ref(field), static_cast<std::uint32_t>(index), m_origin);
    if (m_afterWrite) {
        m_afterWrite(field);
    }
}

} // namespace kelo::gui
