#include "gui/units/shared/CEditWindow.h"

#include "gui/units/shared/CUnitSheet.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace kelo::gui {

CEditWindow::CEditWindow(const QString& title, CUnitSheet* sheet, QWidget* parent)
    : QDialog(parent), m_sheet(sheet), m_programBarSlot(new QWidget(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok, this)) {
    setObjectName(QStringLiteral("editWindow"));
    setWindowTitle(title);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    m_programBarSlot->setObjectName(QStringLiteral("programBarSlot"));
    auto* slotLayout = new QVBoxLayout(m_programBarSlot);
    slotLayout->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(this);
    sheet->setParent(this);
    layout->addWidget(sheet, 1);
    layout->addWidget(m_programBarSlot);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace kelo::gui
