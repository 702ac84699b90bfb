#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace kelo::gui {

/// "Lock Password": one field "Enter Password" of at most seven characters, OK and Cancel. The text
/// is shown in clear, as it is stored.
class CLockPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLockPasswordDlg(QWidget* parent = nullptr);

    QString password() const;

    /// Runs the dialog modally.
    /// @return the entered text on OK (possibly empty), nothing on Cancel.
    static std::optional<QString> ask(QWidget* parent);

private:
    QLineEdit* m_passwordEdit;
};

} // namespace kelo::gui
