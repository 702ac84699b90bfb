#pragma once

#include "core/edit/AmpSheetPages.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace kelo {
struct AmpUnit;
}

namespace kelo::gui {

/// The amplifier's block diagram on a logical canvas: one row per channel (A above, B below), the
/// blocks in the order the signal meets them, each a rounded box with its name and a short live
/// summary. The view scales the canvas to its size; hit tests take logical coordinates.
class AmpDiagram {
public:
    /// A block button: which block of which channel (0 = A, 1 = B).
    struct Button {
        AmpBlock block;
        int channel;
        bool operator==(const Button&) const = default;
    };

    /// Size of the logical canvas.
    static QSizeF canvasSize();
    /// Where a block of a channel lies on the canvas.
    static QRectF blockRect(AmpBlock block, int channel);
    /// The block under a logical point, if any.
    static std::optional<Button> buttonAt(QPointF logical);
    /// Fill colour of a block, by kind: dynamics, equalisers, delays, gains.
    static QColor blockColour(AmpBlock block);
    /// The live summary shown inside a block ("BYP" on a by-passed block, "M" on a muted output...).
    static QString summary(const AmpUnit& unit, AmpBlock block, int channel);
    /// Accessible name of a button: "Hum A", "Limiter B".
    static QString buttonName(const Button& button);

    /// Paints the whole diagram in logical coordinates.
    /// @param hovered the block under the pointer, drawn highlighted
    /// @param pressed the block being pressed, drawn sunken
    static void paint(QPainter& painter, const AmpUnit& unit, std::optional<Button> hovered,
                      std::optional<Button> pressed);
};

} // namespace kelo::gui
