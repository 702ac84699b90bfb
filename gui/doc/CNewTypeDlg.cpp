#include "gui/doc/CNewTypeDlg.h"

#include "core/app/DocumentTemplate.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace kelo::gui {

CNewTypeDlg::CNewTypeDlg(QWidget* parent) : QDialog(parent), m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("newTypeDialog"));
    setWindowTitle(tr("New"));
    m_list->setObjectName(QStringLiteral("familyList"));
    for (const DocumentTemplate& entry : documentTemplates()) {
        const std::string_view name = templateField(entry, TemplateField::FileNewName);
        if (entry.unitWindow || name.empty()) {
            continue;
        }
        auto* item =
            new QListWidgetItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), m_list);
        item->setData(Qt::UserRole, static_cast<int>(entry.family));
    }
    m_list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

Family CNewTypeDlg::selectedFamily() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item != nullptr ? static_cast<Family>(item->data(Qt::UserRole).toInt()) : Family::Tz48;
}

void CNewTypeDlg::selectFamily(Family family) {
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toInt() == static_cast<int>(family)) {
            m_list->setCurrentRow(row);
        }
    }
}

} // namespace kelo::gui
