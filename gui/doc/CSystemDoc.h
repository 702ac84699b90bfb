#pragma once

#include "core/app/UnitSystem.h"
#include "core/family/Family.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMdiArea;

namespace kelo::gui {

class CSystemDoc;
class CSystemEditor;
class CUnitChildFrame;

/// What the Network Scan choice of a new system produced.
enum class ScanOutcome {
    BackToChooser, ///< nothing found or not on line: the chooser comes back
    Discard,       ///< units were found but none could be read: the new system is dropped
    Done           ///< the document holds the scanned units, renumbered, and stays on line
};

/// Where a system document reaches the serial line. The on-line part of the editor fills these in;
/// while one is empty the document behaves as if no line existed (nothing is sent, no scan runs).
struct LineHooks {
    /// Runs the Network Scan of a new system (every identifier, units read into the document and
    /// renumbered). The document opens the unit windows when the outcome is Done.
    std::function<ScanOutcome(CSystemDoc&)> scanForNewSystem;
    /// Rebuilds the connection after a unit was added to an on-line system.
    std::function<void(CSystemDoc&)> reconnect;
    /// Stops the engine for a document that goes away or is emptied while on line.
    std::function<void(CSystemDoc&)> takeOffLine;
    /// A unit with this 0-based bus identifier left an on-line system.
    std::function<void(CSystemDoc&, int busId)> unitRemoved;
    /// Sends a unit's ganging flags after Modify Unit.
    std::function<void(CSystemDoc&, std::uint32_t unitKey)> sendGanging;
    /// State of the connection-table entry of a 0-based bus identifier (0 to be polled, 1 not used,
    /// 2 connected, 3 not responding).
    std::function<int(int busId)> connectionState;
};

/// One system: an ordered list of units of one family, with one unit window per unit. The document has
/// no window of its own; it lives while it has unit windows.
///
/// The family is data: CTz48Doc, CTz48PDoc and CTzAmpDoc only name it.
class CSystemDoc : public QObject {
    Q_OBJECT

public:
    /// A document holding system (empty for a new one); its unit windows go into area.
    CSystemDoc(QMdiArea* area, UnitSystem system, QObject* parent = nullptr);
    ~CSystemDoc() override;

    /// The document class of the system's family.
    static std::unique_ptr<CSystemDoc> create(QMdiArea* area, UnitSystem system);

    static LineHooks& lineHooks();

    Family family() const { return m_system.family(); }
    UnitSystem& system() { return m_system; }
    const UnitSystem& system() const { return m_system; }
    /// Units can be added by hand (New Unit command) in every family but the Plus family.
    bool canAddUnitsByHand() const { return family() != Family::Tz48P; }

    /// Path of the file the system was read from or saved to; empty for a new system.
    QString path() const { return m_path; }
    void setPath(const QString& path);
    /// The name shown in prompts: the file name, or "KlE" and a number for a system never saved.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    bool isModified() const { return m_modified; }
    /// Sets the modified mark; the unit windows' captions follow (modifiedChanged).
    void setModified(bool modified);

    /// The only code that changes unit records from the pages (edit path, undo and redo).
    CSystemEditor& editor() const { return *m_editor; }

    bool isOnLine() const { return m_onLine; }
    /// Sets the on-line flag; the main frame's status pane and the connection indicators follow.
    void setOnLine(bool onLine);

    /// The new-system step: the chooser, then New Unit or Network Scan.
    /// @return false when nothing was created (the document is dropped).
    bool OnNewDocument();
    /// The New Unit dialog, repeated while the identifier clashes; opens the unit's window.
    /// @return true when a unit was created.
    bool NewUnit();
    /// The New Unit command: NewUnit(), then, on line, the connection is rebuilt to reach the new unit.
    void onNewUnitCommand();
    /// The Modify Unit dialog for the unit with this key.
    void ModifyUnit(std::uint32_t unitKey);

    /// Opens a window for every unit, in list order.
    void openUnitWindows();
    /// Opens the window of one unit.
    CUnitChildFrame* openUnitWindow(std::uint32_t unitKey);
    /// The unit windows of this document, in creation order.
    const std::vector<CUnitChildFrame*>& unitFrames() const { return m_frames; }

    /// The caption of a unit's window: name, identifier and current program.
    QString unitCaption(std::uint32_t unitKey) const;

    /// Asks whether to delete the unit of a window being closed and deletes it on OK.
    /// @return true when the unit is gone and the window may close.
    bool confirmDeleteUnit(std::uint32_t unitKey);
    /// A unit window has closed; the last one ends the document (lastWindowClosed).
    void unitWindowClosed(CUnitChildFrame* frame);

    /// Takes the system off line, closes every window and empties the unit list.
    void DeleteContents();

public slots:
    /// Recomputes every unit window's connection indicator.
    void refreshConnectionIndicators();
    /// Refreshes the caption and the view of the unit's window.
    void refreshUnitWindow(std::uint32_t unitKey);

signals:
    void onLineChanged(bool onLine);
    void modifiedChanged(bool modified);
    /// The last unit window closed; the document is to be destroyed.
    void lastWindowClosed(kelo::gui::CSystemDoc* document);

private:
    QWidget* dialogParent() const;
    /// Shows the unit dialog until its identifier is accepted or it is cancelled.
    /// @return the accepted result, or a result without a unit when cancelled.
    std::optional<UnitEditResult> runUnitDialog(bool modify, std::uint32_t unitKey);

    QMdiArea* m_area;
    UnitSystem m_system;
    std::vector<CUnitChildFrame*> m_frames;
    QString m_path;
    QString m_title;
    bool m_modified = false;
    bool m_onLine = false;
    bool m_closing = false;
    std::unique_ptr<CSystemEditor> m_editor;
};

/// The 2-in/6-out family's document.
class CTz48Doc : public CSystemDoc {
    Q_OBJECT

public:
    using CSystemDoc::CSystemDoc;
};

/// The Plus family's document.
class CTz48PDoc : public CSystemDoc {
    Q_OBJECT

public:
    using CSystemDoc::CSystemDoc;
};

/// The amplifier family's document.
class CTzAmpDoc : public CSystemDoc {
    Q_OBJECT

public:
    using CSystemDoc::CSystemDoc;
};

} // namespace kelo::gui
