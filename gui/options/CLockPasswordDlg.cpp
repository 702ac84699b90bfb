#include "gui/options/CLockPasswordDlg.h"

#include "core/app/CGeneralSettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelo::gui {

CLockPasswordDlg::CLockPasswordDlg(QWidget* parent) : QDialog(parent), m_passwordEdit(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Lock Password"));
    setObjectName(QStringLiteral("lockPasswordDialog"));
    m_passwordEdit->setObjectName(QStringLiteral("passwordLineEdit"));
    m_passwordEdit->setMaxLength(static_cast<int>(kMaxLockPasswordLength));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Enter Password"), m_passwordEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString CLockPasswordDlg::password() const {
    return m_passwordEdit->text();
}

std::optional<QString> CLockPasswordDlg::ask(QWidget* parent) {
    CLockPasswordDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.password();
}

} // namespace kelo::gui
