#pragma once

#include "core/family/Family.h"

#include <QString>

#include <vector>

namespace kelo::gui {

/// The simulated units asked for on the command line with "--demo", or the reason they cannot be made.
/// The units of one demo line are all of one family.
struct DemoUnitList {
    Family family = Family::Tz48;
    std::vector<int> identifiers; ///< bus identifiers 0..31, in the order given
    QString error;                ///< empty when the text was understood
};

/// Reads "FAMILY:IDS", e.g. "tz48:1,2,5" or "amp:1-4,9": a family key ("tz48", "tz48p", "amp") and
/// bus identifiers counted from 1, single or as ranges, each given once.
DemoUnitList parseDemoUnits(const QString& text);

} // namespace kelo::gui
