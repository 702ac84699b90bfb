#pragma once

#include "core/edit/SheetPages.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace kelo {
struct AmpUnit;
}

namespace kelo::gui {

/// The amplifier's block diagram on a logical canvas: one row per channel (A above, B below), the
/// blocks in the order the signal meets them, from the channel's input terminal on the left to its
/// output terminal on the right. The view scales the canvas to its size.
class AmpDiagram {
public:
    /// Size of the logical canvas.
    static QSizeF canvasSize();
    /// Where a block of a channel (0 = A, 1 = B) lies on the canvas.
    static QRectF blockRect(AmpBlock block, int channel);
    /// True for the blocks drawn as dynamics (hum canceller, gate, compressor, limiter).
    static bool isDynamics(AmpBlock block);
    /// True when the block of this channel is by-passed (hum canceller, gate, compressor).
    static bool isBypassed(const AmpUnit& unit, AmpBlock block, int channel);
    /// The live summary shown inside a block ("BYP" on a by-passed block, "M" on a muted output...).
    static QString summary(const AmpUnit& unit, AmpBlock block, int channel);
    /// Object name of a block's button: "humA", "limiterB".
    static QString objectName(AmpBlock block, int channel);

    /// Paints the signal lines, the input and output terminals and the ganging mark in logical
    /// coordinates (the blocks paint themselves over the lines).
    static void paintLines(QPainter& painter, const AmpUnit& unit);
};

} // namespace kelo::gui
