#pragma once

#include <QColor>
#include <QFont>

namespace kelo::gui {

// The fixed look of the graphs and meters: black plot, blue grid, green labels, red curves. These are
// the colours users know from the units' documentation, so they do not follow the desktop palette.

inline const QColor kGraphBackground{0, 0, 0};
inline const QColor kGraphLabelColour{0, 255, 0};
inline const QColor kGraphGridColour{0, 0, 255};
inline const QColor kGraphCurveColour{255, 0, 0};
inline const QColor kGraphThresholdColour{255, 255, 0};

inline const QColor kLedOff{120, 120, 120};
inline const QColor kLedGreen{0, 255, 0};
inline const QColor kLedYellow{255, 255, 0};
inline const QColor kLedRed{255, 0, 0};

/// The label font of graphs and meters: "Tahoma" 8.5 pt (a sans-serif stands in where it is missing).
QFont graphLabelFont();

/// The colour of an EQ band by its 1-based position; it repeats every five bands.
QColor bandColour(int bandPosition);

} // namespace kelo::gui
