#include "gui/units/amp/CAmpLevelFader.h"

#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

CAmpLevelFader::CAmpLevelFader(CUnitPage* page, int channel, EditOrigin origin, const QString& title,
                               QWidget* parent)
    : CFader(FaderKind::AmpLevel, parent), m_page(page), m_channel(channel == 1 ? 1 : 0), m_origin(origin) {
    setTitle(title);
    setObjectName(m_channel == 1 ? QStringLiteral("levelFaderB") : QStringLiteral("levelFaderA"));
    connect(this, &CFader::indexChanged, this, [this](int index) {
        m_page->setField(ref(Field::OutputGain), static_cast<std::uint32_t>(index), m_origin);
    });
    connect(this, &CFader::muteToggled, this,
            [this](bool muted) { m_page->setField(ref(Field::OutputMute), muted ? 1 : 0, m_origin); });
    connect(this, &CFader::polarityToggled, this, [this](bool reversed) {
        m_page->setField(ref(Field::OutputPolarity), reversed ? 1 : 0, m_origin);
    });
    refresh();
}

FieldRef CAmpLevelFader::ref(Field field) const {
    return FieldRef{field, static_cast<std::uint8_t>(m_channel), 0};
}

void CAmpLevelFader::refresh() {
    setIndex(static_cast<int>(m_page->fieldValue(ref(Field::OutputGain))));
    setMuted(m_page->fieldValue(ref(Field::OutputMute)) != 0);
    setPolarityReversed(m_page->fieldValue(ref(Field::OutputPolarity)) != 0);
}

} // namespace kelo::gui
