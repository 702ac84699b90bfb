#pragma once

namespace kelo::gui {

/// Number of entries of the EQ band type list.
inline constexpr int kEqTypeListSize = 6;

/// The stored band type of a position in the type list ("Peaking", "LowSh6", "LowSh12", "HiSh6", "HiSh12",
/// "Notch" store 2, 0, 1, 4, 3, 9); -1 for a position outside the list.
int eqTypeFromListPosition(int position);

/// The list position of a stored band type; -1 for the types the list does not offer (5..8 and others).
int eqListPositionFromType(int type);

} // namespace kelo::gui
