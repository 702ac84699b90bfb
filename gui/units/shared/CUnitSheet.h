#pragma once

#include <QStringList>
#include <QTabWidget>

#include <functional>
#include <vector>

namespace kelo::gui {

class CUnitPage;

/// The sheet of a unit's edit window: its pages under their titles, in order. A page is built when it is
/// first shown (the window opens quickly however many pages the sheet has); the current one is refreshed
/// and checks its lock whenever it is shown.
class CUnitSheet : public QTabWidget {
    Q_OBJECT

public:
    explicit CUnitSheet(QWidget* parent = nullptr);

    /// Appends a page under its title; the sheet takes it over.
    void addPage(CUnitPage* page, const QString& title);
    /// Appends a page that is built by factory the first time it is shown.
    void addPage(std::function<CUnitPage*()> factory, const QString& title);
    int pageCount() const { return count(); }
    /// The page at index, or null while it has not been built yet.
    CUnitPage* page(int index) const;
    CUnitPage* currentPage() const;
    QStringList pageTitles() const;
    /// Rereads every page from the unit (after an undo, a recall, a paste).
    void refreshPages();

private:
    void buildPage(int index);

    std::vector<std::function<CUnitPage*()>> m_factories;
};

} // namespace kelo::gui
