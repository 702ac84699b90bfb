#pragma once

#include "core/edit/FieldRef.h"
#include "gui/controls/CFader.h"

#include <cstdint>

namespace kelo::gui {

class CSystemDoc;

/// An amplifier channel's output level fader ("-50" .. "0dB") with its "Mute" and "180°" buttons,
/// bound to the channel's gain, mute and polarity through the edit path.
class CAmpLevelFader : public CFader {
    Q_OBJECT

public:
    /// @param origin ChannelPage mirrors mute to the partner when ganged; GainPage mutes this channel only
    CAmpLevelFader(CSystemDoc* document, std::uint32_t unitKey, int channel, EditOrigin origin,
                   const QString& title, QWidget* parent = nullptr);

    int channel() const { return m_channel; }

public slots:
    /// Shows the stored level, mute and polarity.
    void refresh();

private:
    void store(Field field, int index);

    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    int m_channel;
    EditOrigin m_origin;
};

} // namespace kelo::gui
