#pragma once

#include <string>
#include <vector>

namespace kelo::report {

/// A rectangle in device units, relative to the page's top-left printable corner.
struct PageRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    friend bool operator==(const PageRect&, const PageRect&) = default;
};

/// The two cell backgrounds of the tables.
enum class CellBrush {
    Title,  ///< a table's name ("Input A", "Noise Gate B")
    Header, ///< band headers and captions
};

/// The pens of a page.
enum class LinePen {
    Table,  ///< table grid lines
    Rule,   ///< the footer's rule
    Graph,  ///< graph frame and grid, 1 pixel
    ZeroDb, ///< the graph's 0 dB line, 3 pixels
};

enum class TextAlign { Left, Center, Right };

/// Which of the page's fonts a text uses.
enum class TextFont {
    Table,
    Title,
    Footer,
    GraphLabel, ///< "+15dB", "1k", ...
    Legend,     ///< "INCLUDE OUTPUT EQ", ...
};

struct FillItem {
    PageRect rect;
    CellBrush brush = CellBrush::Header;
};

struct LineItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    LinePen pen = LinePen::Table;
};

/// One line of text, vertically centred in its rectangle.
struct TextItem {
    PageRect rect;
    std::string text; ///< UTF-8
    TextAlign align = TextAlign::Center;
    TextFont font = TextFont::Table;
};

/// One pen movement of a curve: a line to the point, or a move without drawing.
struct PenStep {
    int x = 0;
    int y = 0;
    bool draw = false;
    friend bool operator==(const PenStep&, const PenStep&) = default;
};

/// A response curve drawn with a 1-pixel pen, clipped to a rectangle.
struct PathItem {
    std::vector<PenStep> steps;
    PageRect clip;
};

/// Everything one page draws, in device units; painted fills first, then lines, curves and texts.
struct PageLayout {
    std::vector<FillItem> fills;
    std::vector<LineItem> lines;
    std::vector<PathItem> paths;
    std::vector<TextItem> texts;
};

/// The printable area of a page in device units and the spacing the report derives from it.
struct PageGeometry {
    int width = 0;  ///< W
    int height = 0; ///< H

    int rowBand() const { return height / 10; } ///< R: the height of one output table
    int gap() const { return height / 67; }     ///< G: between tables
    int top() const { return height / 33; }     ///< T: the title line's height
};

} // namespace kelo::report
