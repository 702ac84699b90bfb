#include "gui/units/amp/CAmpLevelFader.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/edit/CSystemEditor.h"

namespace kelo::gui {

CAmpLevelFader::CAmpLevelFader(CSystemDoc* document, std::uint32_t unitKey, int channel, EditOrigin origin,
                               const QString& title, QWidget* parent)
    : CFader(FaderKind::AmpLevel, parent), m_document(document), m_unitKey(unitKey), m_channel(channel),
      m_origin(origin) {
    setTitle(title);
    setObjectName(QStringLiteral("levelFader%1").arg(channel == 1 ? QLatin1Char('B') : QLatin1Char('A')));
    connect(this, &CFader::indexChanged, this, [this](int index) { store(Field::OutputGain, index); });
    connect(this, &CFader::muteToggled, this, [this](bool muted) { store(Field::OutputMute, muted ? 1 : 0); });
    connect(this, &CFader::polarityToggled, this,
            [this](bool reversed) { store(Field::OutputPolarity, reversed ? 1 : 0); });
    refresh();
}

void CAmpLevelFader::store(Field field, int index) {
    const FieldRef ref{field, static_cast<std::uint8_t>(m_channel), 0};
    m_document->editor().setField(m_unitKey, ref, static_cast<std::uint32_t>(index), m_origin);
}

void CAmpLevelFader::refresh() {
    const auto read = [this](Field field) {
        const FieldRef ref{field, static_cast<std::uint8_t>(m_channel), 0};
        return static_cast<int>(m_document->editor().value(m_unitKey, ref).value_or(0));
    };
    setIndex(read(Field::OutputGain));
    setMuted(read(Field::OutputMute) != 0);
    setPolarityReversed(read(Field::OutputPolarity) != 0);
}

} // namespace kelo::gui
