#pragma once

#include "core/report/PageLayout.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kelo::report {

/// A ruled table of c columns and r rows laid into a rectangle: column width = width / c, row height =
/// height / r. Texts are placed in spans of quarter columns, so that a caption can sit in half a column
/// ("Gain:" from 1.5 to 2 columns).
///
/// Every row is ruled at every column boundary, except the rows marked with ownDividers(), which are
/// ruled only at the edges of their cells (a title across a narrow table, a row of caption/value pairs).
class ReportTable {
public:
    ReportTable(PageRect rect, int columns, int rows);

    /// Puts a text into row `row` from quarter column `from` to quarter column `to`.
    /// @param brush fills the span's background when given
    void cell(int row, int from, int to, std::string text, TextAlign align,
              std::optional<CellBrush> brush = std::nullopt);
    /// A caption cell (centred, header brush) and its value (left-aligned) next to it.
    void pair(int row, int from, int split, int to, std::string caption, std::string value);

    /// Rules the row only at its cells' edges.
    void ownDividers(int row) { m_ownDividerRows.insert(row); }

    int columnWidth() const { return m_columnWidth; }
    int rowHeight() const { return m_rowHeight; }

    /// Adds the fills, grid lines and texts to a page.
    void addTo(PageLayout& page) const;

private:
    struct Cell {
        int row;
        int from;
        int to;
        std::string text;
        TextAlign align;
        std::optional<CellBrush> brush;
    };
    int quarterX(int quarter) const { return m_rect.x + quarter * m_columnWidth / 4; }
    int rowY(int row) const { return m_rect.y + row * m_rowHeight; }

    PageRect m_rect;
    int m_columns;
    int m_rows;
    int m_columnWidth;
    int m_rowHeight;
    std::vector<Cell> m_cells;
    std::set<int> m_ownDividerRows;
};

} // namespace kelo::report
