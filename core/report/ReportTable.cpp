#include "core/report/ReportTable.h"

#include <algorithm>

namespace kelo::report {

ReportTable::ReportTable(PageRect rect, int columns, int rows)
    : m_rect(rect), m_columns(std::max(columns, 1)), m_rows(std::max(rows, 1)),
      m_columnWidth(rect.width / m_columns), m_rowHeight(rect.height / m_rows) {}

void ReportTable::cell(int row, int from, int to, std::string text, TextAlign align,
                       std::optional<CellBrush> brush) {
    m_cells.push_back(Cell{row, from, to, std::move(text), align, brush});
}

void ReportTable::pair(int row, int from, int split, int to, std::string caption, std::string value) {
    cell(row, from, split, std::move(caption), TextAlign::Center, CellBrush::Header);
    cell(row, split, to, std::move(value), TextAlign::Left);
}

void ReportTable::addTo(PageLayout& page) const {
    const int left = m_rect.x;
    const int right = quarterX(4 * m_columns);
    // A left-aligned value keeps clear of the grid line before it.
    const int padding = std::max(1, m_columnWidth / 24);

    for (const Cell& c : m_cells) {
        const PageRect span{quarterX(c.from), rowY(c.row), quarterX(c.to) - quarterX(c.from), m_rowHeight};
        if (c.brush) {
            page.fills.push_back(FillItem{span, *c.brush});
        }
        PageRect textRect = span;
        if (c.align == TextAlign::Left) {
            textRect.x += padding;
            textRect.width -= padding;
        }
        if (!c.text.empty()) {
            page.texts.push_back(TextItem{textRect, c.text, c.align, TextFont::Table});
        }
    }

    for (int row = 0; row <= m_rows; ++row) {
        page.lines.push_back(LineItem{left, rowY(row), right, rowY(row), LinePen::Table});
    }
    for (int row = 0; row < m_rows; ++row) {
        std::set<int> dividers{left, right};
        if (m_ownDividerRows.count(row) != 0) {
            for (const Cell& c : m_cells) {
                if (c.row == row) {
                    dividers.insert(quarterX(c.from));
                    dividers.insert(quarterX(c.to));
                }
            }
        } else {
            for (int column = 1; column < m_columns; ++column) {
                dividers.insert(quarterX(4 * column));
            }
        }
        for (const int x : dividers) {
            page.lines.push_back(LineItem{x, rowY(row), x, rowY(row + 1), LinePen::Table});
        }
    }
}

} // namespace kelo::report
