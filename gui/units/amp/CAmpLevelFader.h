#pragma once

#include "gui/controls/CFader.h"

// The code generator cannot read the standard library's concepts used by the edit path's headers.
#ifndef Q_MOC_RUN
#include "core/edit/FieldRef.h"
#endif

namespace kelo::gui {

class CUnitPage;

/// An amplifier channel's output level fader ("-50" .. "0dB") with its "Mute" and "180°" buttons,
/// bound to the channel's gain, mute and polarity through its page's edit path.
class CAmpLevelFader : public CFader {
    Q_OBJECT

public:
    /// @param origin ChannelPage mirrors mute to the partner when ganged; GainPage mutes this channel only
    CAmpLevelFader(CUnitPage* page, int channel, EditOrigin origin, const QString& title,
                   QWidget* parent = nullptr);

    int channel() const { return m_channel; }

public slots:
    /// Shows the stored level, mute and polarity.
    void refresh();

private:
    FieldRef ref(Field field) const;

    CUnitPage* m_page;
    int m_channel;
    EditOrigin m_origin;
};

} // namespace kelo::gui
