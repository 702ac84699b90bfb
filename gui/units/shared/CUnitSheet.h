#pragma once

#include <QStringList>
#include <QTabWidget>

#include <vector>

namespace kelo::gui {

class CUnitPage;

/// The sheet of a unit's edit window: its pages under their titles, in order. Pages are built with
/// the sheet; the current one is refreshed and checks its lock whenever it is shown.
class CUnitSheet : public QTabWidget {
    Q_OBJECT

public:
    explicit CUnitSheet(QWidget* parent = nullptr);

    /// Appends a page under its title; the sheet takes it over.
    void addPage(CUnitPage* page, const QString& title);
    int pageCount() const { return count(); }
    CUnitPage* page(int index) const;
    CUnitPage* currentPage() const;
    QStringList pageTitles() const;
    /// Rereads every page from the unit (after an undo, a recall, a paste).
    void refreshPages();
};

} // namespace kelo::gui
