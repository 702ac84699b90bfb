#pragma once

#include "app/Family.h"

#include <QString>

#include <vector>

namespace kelo::gui {

/// One simulated unit of the demo line.
struct DemoUnit {
    Family family = Family::Tz48;
    int identifier = 0; ///< bus identifier, 0..31
};

/// The units asked for on the command line with "--demo", or the reason they cannot be made.
struct DemoUnitList {
    std::vector<DemoUnit> units;
    QString error; ///< empty when the text was understood
};

/// Reads "FAMILY:IDS", e.g. "tz48:1,2,5" or "amp:1-4,9": a family key ("tz48", "tz48p", "amp") and
/// bus identifiers counted from 1, single or as ranges. Several texts add up; an identifier may be
/// given only once across all of them.
DemoUnitList parseDemoUnits(const std::vector<QString>& texts);

} // namespace kelo::gui
