#include "gui/program/CProgramNameDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {
constexpr int kNameLength = static_cast<int>(std::tuple_size_v<ProgramName>);
}

CProgramNameDlg::CProgramNameDlg(const QString& title, const QString& warning, const QString& name,
                                 QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(name.left(kNameLength), this)),
      m_warning(new QLabel(warning, this)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("programNameDialog"));
    m_name->setObjectName(QStringLiteral("programNameLineEdit"));
    m_name->setMaxLength(kNameLength);
    m_name->setToolTip(tr("Name of the program, up to %1 characters").arg(kNameLength));
    m_name->selectAll();
    m_warning->setObjectName(QStringLiteral("warningLabel"));
    m_warning->setVisible(!warning.isEmpty());
    QFont bold = m_warning->font();
    bold.setBold(true);
    m_warning->setFont(bold);

    auto* form = new QFormLayout;
    form->addRow(tr("Program Name"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_warning);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

ProgramName CProgramNameDlg::programName() const {
    const QByteArray latin1 = m_name->text().left(kNameLength).toLatin1();
    return makeProgramName(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size())));
}

QString CProgramNameDlg::titleFor(std::uint32_t slot, bool used) {
    return (used ? QStringLiteral("Overwrite Program to Location ")
                 : QStringLiteral("Save Program to Location ")) +
           QString::number(slot + 1) + QStringLiteral(" - USER");
}

} // namespace kelo::gui
