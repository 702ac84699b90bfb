#pragma once

#include "core/comm/protocol/ConnectionEntry.h"
#include "gui/units/shared/CBlockButton.h"
#include "gui/units/shared/CEditWindow.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace kelo {
class Unit;
} // namespace kelo

namespace kelo::gui {

class CSystemDoc;
class CUnitSheet;

/// Connection indicator of a unit window.
enum class ConnectionIndicator {
    Hidden = 0,       ///< the system is off line, or the unit is not polled
    Connected = 1,    ///< the unit answers
    NotResponding = 2 ///< the unit stopped answering
};

/// The indicator a connection-table state gives while the system is on line (2 connected, 3 not
/// responding, anything else hidden).
ConnectionIndicator indicatorForState(ConnectionState state);

/// The common view of the unit windows of the three families: the unit's block diagram drawn over a
/// logical canvas that scales with the window, a button on every block, the connection badge, and the
/// edit window that a block's button opens.
///
/// A family's view adds its blocks (addBlock()), draws the lines and labels between them
/// (paintDiagram()), keeps the blocks' summaries and enabled states up to date (refreshBlocks()), builds
/// the sheet of its edit window (createSheet()) and says how its caption reads (caption()).
class CT48View : public QWidget {
    Q_OBJECT

public:
    /// @param logicalSize size of the canvas the blocks are placed on; it is scaled to the widget
    CT48View(CSystemDoc* document, std::uint32_t unitKey, QSizeF logicalSize, QWidget* parent = nullptr);

    CSystemDoc* document() const { return m_document; }
    std::uint32_t unitKey() const { return m_unitKey; }
    /// The unit shown, or null once it is gone.
    Unit* unit() const;

    ConnectionIndicator connectionIndicator() const { return m_indicator; }
    /// The badge's text for the present indicator ("Connected", "Not responding"); empty when hidden.
    QString indicatorText() const;
    /// The routing text shown under the diagram ("*A135B246*"); empty for a family without routing.
    virtual QString routingText() const { return {}; }
    /// The window caption of the family (name, identifier, program) without the modified mark.
    virtual QString caption() const = 0;

    /// The edit window while one is open, else null.
    CEditWindow* editWindow() const { return m_editWindow; }
    /// Opens the modal edit window on a page of the sheet and returns it at once (the window runs
    /// modally without a nested event loop). Nothing happens while one is open already.
    CEditWindow* openEditWindow(int startPage);

    /// The logical canvas and its mapping to the widget (uniform scale, centred).
    QSizeF logicalSize() const { return m_logicalSize; }
    QTransform canvasTransform() const;

public slots:
    /// Recomputes the connection indicator from the document's on-line flag and the unit's entry in the
    /// connection table, and redraws the badge only when it changed.
    void refreshConnectionIndicator();
    /// Redraws what the view shows of the unit (after an edit, Modify Unit or a program recall).
    void refreshUnit();

signals:
    /// The caption the family's rule gives may have changed (paint, recall, edit).
    void captionChanged();
    /// An edit window was made and is about to be shown: the place to add the program bar to its
    /// programBarSlot().
    void editWindowOpened(kelo::gui::CEditWindow* window);
    /// The edit window opened by a block button has closed.
    void editWindowClosed();

protected:
    /// Adds a block with its button at a place of the logical canvas.
    CBlockButton* addBlock(const QString& objectName, BlockKind kind, const QString& name,
                           const QRectF& place, int startPage);
    /// Adds a block whose start page is computed when it is pressed (it depends on the ganging flags).
    CBlockButton* addBlock(const QString& objectName, BlockKind kind, const QString& name,
                           const QRectF& place, std::function<int()> startPage);

    /// Draws the lines and labels of the diagram in logical coordinates; the blocks draw themselves.
    virtual void paintDiagram(QPainter& painter) = 0;
    /// Updates the blocks' summaries and enabled states from the unit.
    virtual void refreshBlocks() = 0;
    /// Builds the sheet of the edit window, showing startPage.
    virtual CUnitSheet* createSheet(int startPage) = 0;
    /// The edit window's title; "%s < ID:%d >" with the unit name and identifier + 1 by default.
    virtual QString editWindowTitle() const;
    /// Lets the family fit the edit window (hide buttons, add the program bar).
    virtual void prepareEditWindow(CEditWindow& window) { Q_UNUSED(window); }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Block {
        CBlockButton* button;
        QRectF place;
    };
    void placeBlocks();
    void paintBadge(QPainter& painter);
    /// A field of some unit changed: the diagram follows once per event-loop turn when it is this unit.
    void unitChanged(std::uint32_t unitKey);

    CSystemDoc* m_document;
    std::uint32_t m_unitKey;
    QSizeF m_logicalSize;
    std::vector<Block> m_blocks;
    ConnectionIndicator m_indicator = ConnectionIndicator::Hidden;
    QString m_lastCaption;
    QPointer<CEditWindow> m_editWindow;
    bool m_refreshPending = false;
};

} // namespace kelo::gui
