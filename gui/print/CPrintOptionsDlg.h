#pragma once

#include "core/units/UnitSystem.h"

#include <QDialog>

#include <cstddef>
#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace kelo::gui {

/// The "Printing Options" dialog: one unit from the list, or "All Units", and the number of pages that
/// gives (two per unit).
class CPrintOptionsDlg : public QDialog {
    Q_OBJECT

public:
    CPrintOptionsDlg(const UnitSystem& system, QWidget* parent = nullptr);

    /// The chosen units as positions in the system's list, in list order.
    std::vector<std::size_t> selection() const;
    /// Two pages per chosen unit.
    int pageCount() const;

private:
    void updateSelection();

    const UnitSystem& m_system;
    QComboBox* m_units = nullptr;
    QCheckBox* m_allUnits = nullptr;
    QLabel* m_pages = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace kelo::gui
