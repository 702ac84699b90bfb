#pragma once

#include "core/units/ProgramName.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace kelo::gui {

/// The name dialog of a program store: the name the program is stored under, and a warning line when
/// the location already holds a program.
class CProgramNameDlg : public QDialog {
    Q_OBJECT

public:
    /// @param warning empty for an empty location
    CProgramNameDlg(const QString& title, const QString& warning, const QString& name,
                    QWidget* parent = nullptr);

    /// The typed name as stored: Latin-1, at most 12 characters (others become '?').
    ProgramName programName() const;

    /// The title of the dialog for user slot @p slot (0-based).
    static QString titleFor(std::uint32_t slot, bool used);

private:
    QLineEdit* m_name;
    QLabel* m_warning;
};

} // namespace kelo::gui
