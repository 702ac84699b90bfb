#pragma once

#include "gui/options/CLockChoicePage.h"

namespace kelo::gui {

/// The two-way "Lock" page of the amplifier family: "Full Edit" or "Total Lock". Any stored lock
/// other than Full Edit shows, and is saved, as Total Lock.
class COptEditPage : public CLockChoicePage {
    Q_OBJECT

public:
    COptEditPage(LockLevel level, const QString& password, QWidget* parent = nullptr);
};

} // namespace kelo::gui
