#pragma once

#include "core/edit/ChannelCopy.h"
#include "core/edit/EditHistory.h"
#include "core/edit/FieldRef.h"
#include "core/edit/ParameterEdit.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace kelo::gui {

class CSystemDoc;

/// The one place where a system's unit records change from the pages. A page says "this field of this
/// channel of this unit is now this index"; the editor runs the edit path (record, pair partner, linked
/// units), posts the sends to the engine's queue, records the undo step, marks the document modified
/// and announces every changed field so that every window showing a changed unit refreshes.
///
/// Whole-unit changes made elsewhere (program recall or store, transfers, Modify Unit, deleting a unit,
/// loading) are reported with unitChangedOutside() or systemChangedOutside(): they clear the history.
class CSystemEditor : public QObject {
    Q_OBJECT

public:
    /// Where edits leave the editor: the sends to post (empty hook: nothing is sent). Filled by the
    /// on-line part of the editor; called on the window's thread and must not wait on the line.
    using SendHook = std::function<void(CSystemDoc&, const EditResult&)>;
    static SendHook& sendHook();
    /// The Link setting as it stands now (empty hook: Link off).
    static std::function<bool()>& linkSetting();

    explicit CSystemEditor(CSystemDoc& document);

    /// Sets a field of a unit (and its partner and linked units) to an index, clamped to the field's range.
    /// @param mergeKey non-zero for the steps of one drag or spin run (they undo as one); 0 never merges
    /// @return false when the unit or field does not exist (nothing changed)
    bool setField(std::uint32_t unitKey, FieldRef field, std::uint32_t index,
                  EditOrigin origin = EditOrigin::ChannelPage, std::uint64_t mergeKey = 0);
    /// The stored index of a field; nothing for an unknown unit or field.
    std::optional<std::uint32_t> value(std::uint32_t unitKey, FieldRef field) const;

    /// Copies a channel's settings onto another channel as one undoable step.
    bool copyChannel(const ChannelRef& from, const ChannelRef& to);

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    /// "Undo Output 3 gain", or "Undo" when there is nothing to undo.
    QString undoText() const;
    QString redoText() const;
    void undo();
    void redo();
    const EditHistory& history() const { return m_history; }

    /// A unit was changed as a whole outside the edit path: the history is cleared, unitReplaced follows.
    void unitChangedOutside(std::uint32_t unitKey);
    /// The whole system changed (loaded, units deleted): the history is cleared.
    void systemChangedOutside();
    /// The document was saved: this is the state Undo may come back to unmodified.
    void documentSaved();

signals:
    /// A field of a unit changed through the edit path (also for partners, linked units, undo, redo).
    void fieldChanged(std::uint32_t unitKey, kelo::FieldRef field);
    /// Many fields of a unit changed at once (recall, transfer, Modify Unit).
    void unitReplaced(std::uint32_t unitKey);
    /// Undo or redo availability or texts changed.
    void historyChanged();

private:
    void finish(const EditResult& result);

    CSystemDoc& m_document;
    EditHistory m_history;
};

} // namespace kelo::gui
