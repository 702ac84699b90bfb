#pragma once

#include <QString>

namespace kelo::gui {

/// Settings location shared by the editor and its tests.
inline const QString kOrganisationName = QStringLiteral("VREN");
inline const QString kApplicationName = QStringLiteral("Kelo Editor");

} // namespace kelo::gui
