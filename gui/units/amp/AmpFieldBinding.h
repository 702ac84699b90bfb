#pragma once

#include "core/edit/FieldRef.h"
#include "gui/panels/PanelBinding.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kelo::gui {

class CSystemDoc;

/// Binds a panel to one channel of an amplifier unit: the panel's field number n is the n-th entry of
/// the field list, read and written through the document's editor (so every change takes the one edit
/// path: record, partner when ganged, linked units, sends, undo).
class AmpFieldBinding : public PanelBinding {
public:
    /// @param fields the catalogue field of each panel field number, in panel order
    /// @param channel 0 = A, 1 = B (unit-wide fields ignore it)
    /// @param band 0-based output EQ band for band fields, else 0
    AmpFieldBinding(CSystemDoc* document, std::uint32_t unitKey, std::vector<Field> fields, int channel,
                    EditOrigin origin = EditOrigin::ChannelPage, int band = 0);

    int value(int field) const override;
    void setValue(int field, int index) override;

    /// The reference a panel field number stands for.
    FieldRef ref(int field) const;
    /// Called after every write (the page redraws its graphs).
    void setAfterWrite(std::function<void(int field)> afterWrite) { m_afterWrite = std::move(afterWrite); }

private:
    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    std::vector<Field> m_fields;
    int m_channel;
    EditOrigin m_origin;
    int m_band;
    std::function<void(int)> m_afterWrite;
};

} // namespace kelo::gui
