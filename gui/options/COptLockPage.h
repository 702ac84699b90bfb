#pragma once

#include "gui/options/CLockChoicePage.h"

namespace kelo::gui {

/// The three-way "Lock" page of the processor families: "Full Edit", "Partial Lock", "Total Lock".
class COptLockPage : public CLockChoicePage {
    Q_OBJECT

public:
    COptLockPage(LockLevel level, const QString& password, QWidget* parent = nullptr);
};

} // namespace kelo::gui
