#pragma once

#include "core/app/CGeneralSettings.h"
#include "core/comm/protocol/ConnectionEntry.h"
#include "core/edit/SheetPages.h"

// The code generator cannot read the standard library's concepts used by the edit path's headers.
#ifndef Q_MOC_RUN
#include "core/edit/FieldRef.h"
#endif

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace kelo {
class Unit;
} // namespace kelo

namespace kelo::gui {

class CBlockPanel;
class CSystemDoc;
class CSystemEditor;
class PanelBinding;

/// The channel a page edits, for Copy / Paste channel.
struct PageChannel {
    GangGroup group = GangGroup::Outputs; ///< Inputs or Outputs (processors), Channels (amplifier)
    std::uint8_t channel = 0;             ///< input 0..1, output 0..5, amplifier channel 0..1

    friend bool operator==(const PageChannel&, const PageChannel&) = default;
};

/// One page of a unit's sheet.
///
/// A page shows fields of its unit and changes them only through the system's editor (the edit path).
/// The base keeps what every page shares: the unit it edits, the panels bound to the editor, the lock
/// (controls registered by group are disabled as the Lock setting says, with one line on the page saying
/// why), refreshing when a field of its unit changes (edits, undo, redo, a recall), and Copy / Paste
/// channel from its context menu.
class CUnitPage : public QWidget {
    Q_OBJECT

public:
    CUnitPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent = nullptr);
    ~CUnitPage() override;

    CSystemDoc* document() const { return m_document; }
    std::uint32_t unitKey() const { return m_unitKey; }
    /// The unit edited, or null once it is gone.
    Unit* unit() const;
    CSystemEditor& editor() const;

    /// Rereads every field the page shows from the unit.
    virtual void refreshFields() = 0;
    /// The channel this page edits, if it offers Copy / Paste channel.
    virtual std::optional<PageChannel> pageChannel() const { return std::nullopt; }

    /// The stored index of a field of the page's unit (0 when it does not exist).
    std::uint32_t fieldValue(FieldRef field) const;
    /// Changes a field of the page's unit through the edit path. Steps of one mouse drag or one held key
    /// merge into one undo step.
    bool setField(FieldRef field, std::uint32_t index, EditOrigin origin = EditOrigin::ChannelPage);
    /// Moves an EQ band to where its graph handle was dragged: each of the two fields is written only
    /// when it changed, so a purely vertical or horizontal drag sends one message per step.
    void moveBand(FieldRef frequency, FieldRef gain, int frequencyIndex, int gainIndex);

    /// The lock level in force, read from the settings when the page was last shown.
    LockLevel lockLevel() const { return m_lock; }
    /// Reads the Lock setting and enables the registered controls as it allows.
    void applyLock();
    /// The lock line ("Partial Lock: outputs are locked"); hidden under Full Edit.
    QLabel* lockLine() const { return m_lockLine; }

    /// Copies the page's channel for a later paste (also from the Edit menu).
    bool copyChannel();
    /// Pastes the copied channel onto the page's channel as one undo step.
    /// @return false when nothing fitting was copied (another family or the other kind of channel)
    bool pasteChannel();
    /// Whether a copied channel can be pasted here.
    bool canPasteChannel() const;

protected:
    /// The layout under the lock line where the page puts its content.
    QVBoxLayout* contentLayout() const { return m_content; }
    /// Registers a control (or a panel holding several) under a lock group.
    void lockGroup(QWidget* control, ControlGroup group);
    /// Binds a panel's fields to fields of the unit; map gives the unit field of a panel field, or
    /// nothing for a field the page does not store.
    void bindPanel(CBlockPanel* panel, std::function<std::optional<FieldRef>(int)> map,
                   EditOrigin origin = EditOrigin::ChannelPage);
    /// The panels bound with bindPanel(), for refreshFields().
    void refreshPanels();

    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void unitFieldChanged(std::uint32_t unitKey);

    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    LockLevel m_lock = LockLevel::FullEdit;
    QLabel* m_lockLine;
    QVBoxLayout* m_content;
    std::vector<std::pair<QWidget*, ControlGroup>> m_locked;
    std::vector<CBlockPanel*> m_panels;
    std::vector<std::unique_ptr<PanelBinding>> m_bindings;
    bool m_refreshPending = false;
    bool m_stale = false;
};

/// The Lock setting now in force (Full Edit when the editor's settings are not at hand).
LockLevel currentLockLevel();
/// The status entry of a unit while it is connected on an on-line system, else a default entry (every
/// meter level 0).
ConnectionEntry connectedEntry(const CSystemDoc& document, const Unit* unit);

} // namespace kelo::gui
