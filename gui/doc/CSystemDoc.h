#pragma once

#include "app/Family.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QMdiArea;

namespace kelo::gui {

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
    /// Runs the Network Scan of a new system (every identifier, units read into the document).
    std::function<ScanOutcome(class CSystemDoc&)> scanForNewSystem;
    /// Rebuilds the connection after a unit was added to an on-line system.
    std::function<void(class CSystemDoc&)> reconnect;
    /// Stops the engine for a document that goes away or is emptied while on line.
    std::function<void(class CSystemDoc&)> takeOffLine;
    /// A unit with this 0-based bus identifier left an on-line system.
    std::function<void(class CSystemDoc&, int busId)> unitRemoved;
    /// Sends a unit's ganging flags after Modify Unit.
    std::function<void(class CSystemDoc&, std::uint32_t unitKey)> sendGanging;
    /// State of the connection-table entry of a 0-based bus identifier (0 to be polled, 1 not used,
    /// 2 connected, 3 not responding).
    std::function<int(int busId)> connectionState;
};

/// One system: an ordered list of units of one family, with one unit window per unit. The document has
/// no window of its own; it lives while it has unit windows.
class CSystemDoc : public QObject {
    Q_OBJECT

public:
    CSystemDoc(Family family, QMdiArea* area, QObject* parent = nullptr);
    ~CSystemDoc() override;

    static LineHooks& lineHooks();

    Family family() const { return m_family; }
    /// Units can be added by hand (New Unit) in every family but the Plus family.
    bool canAddUnitsByHand() const { return m_family != Family::Tz48P; }

    /// Path of the file the system was read from or saved to; empty for a new system.
    QString path() const { return m_path; }
    void setPath(const QString& path);
    /// The name shown in prompts: the file name, or "KlE" and a number for a system never saved.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    bool isOnLine() const { return m_onLine; }
    /// Sets the on-line flag and tells the main frame's status pane.
    void setOnLine(bool onLine);

    /// The unit windows of this document, in creation order.
    std::vector<CUnitChildFrame*> unitFrames() const;

public slots:
    /// Recomputes every unit window's connection indicator.
    void refreshConnectionIndicators();

signals:
    void onLineChanged(bool onLine);
    /// The last unit window closed; the document is to be destroyed.
    void lastWindowClosed(kelo::gui::CSystemDoc* document);

protected:
    QMdiArea* mdiArea() const { return m_area; }

private:
    Family m_family;
    QMdiArea* m_area;
    QString m_path;
    QString m_title;
    bool m_modified = false;
    bool m_onLine = false;
};

} // namespace kelo::gui
