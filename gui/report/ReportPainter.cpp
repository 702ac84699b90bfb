#include "gui/report/ReportPainter.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace kelo::gui {

namespace {

using namespace kelo::report;

QFont reportFont(TextFont font, const PageGeometry& geometry) {
    QFont result;
    // No ligatures: a PDF's text must read "Off", not "O" and a ligature glyph, when searched or copied.
    // Qt shapes Latin text without ligatures once a letter spacing is set; 1/50 pixel is invisible.
    result.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    if (font == TextFont::GraphLabel) {
        // The graph labels keep the on-screen graph's font size in points.
        result.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
        result.setStyleHint(QFont::SansSerif);
        result.setPointSizeF(8.5);
        return result;
    }
    result.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    result.setStyleHint(QFont::SansSerif);
    // Sizes follow the page height so that a table row always holds its text: a row is H/70 high.
    const int h = geometry.height;
    switch (font) {
    case TextFont::Title:
        result.setPixelSize(std::max(1, h / 75));
        result.setBold(true);
        break;
    case TextFont::Footer:
        result.setPixelSize(std::max(1, h / 130));
        break;
    case TextFont::Legend:
        result.setPixelSize(std::max(1, h / 110));
        break;
    case TextFont::Table:
    case TextFont::GraphLabel:
        result.setPixelSize(std::max(1, h / 125));
        break;
    }
    return result;
}

QPen reportPen(LinePen pen, const PageGeometry& geometry) {
    switch (pen) {
    case LinePen::Graph:
        return QPen(Qt::black, 1);
    case LinePen::ZeroDb:
        return QPen(Qt::black, 3);
    case LinePen::Table:
    case LinePen::Rule:
        break;
    }
    return QPen(Qt::black, std::max(1, geometry.height / 3000));
}

QColor brushColour(CellBrush brush) {
    return brush == CellBrush::Title ? QColor(200, 200, 200) : QColor(235, 235, 235);
}

Qt::Alignment alignment(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return Qt::AlignLeft;
    case TextAlign::Right:
        return Qt::AlignRight;
    case TextAlign::Center:
        break;
    }
    return Qt::AlignHCenter;
}

QRect toRect(const PageRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

void paintPath(QPainter& painter, const PathItem& path) {
    painter.save();
    painter.setClipRect(toRect(path.clip));
    QPolygon run;
    const auto flush = [&] {
        if (run.size() > 1) {
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (const PenStep& step : path.steps) {
        if (!step.draw) {
            flush();
        }
        run << QPoint(step.x, step.y);
    }
    flush();
    painter.restore();
}

} // namespace

void paintReportPage(QPainter& painter, const PageLayout& page, const PageGeometry& geometry) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const FillItem& fill : page.fills) {
        painter.fillRect(toRect(fill.rect), brushColour(fill.brush));
    }
    for (const LineItem& line : page.lines) {
        painter.setPen(reportPen(line.pen, geometry));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setPen(QPen(Qt::black, 1));
    for (const PathItem& path : page.paths) {
        paintPath(painter, path);
    }
    painter.setPen(Qt::black);
    TextFont current = TextFont::Table;
    painter.setFont(reportFont(current, geometry));
    for (const TextItem& text : page.texts) {
        if (text.font != current) {
            current = text.font;
            painter.setFont(reportFont(current, geometry));
        }
        // A text longer than its cell is printed whole rather than cut.
        painter.drawText(toRect(text.rect),
                         int(alignment(text.align) | Qt::AlignVCenter) | Qt::TextSingleLine |
                             Qt::TextDontClip,
                         QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size())));
    }
    painter.restore();
}

} // namespace kelo::gui
