#include "gui/print/CPrintOptionsDlg.h"

#include "core/report/Report.h"
#include "core/report/ReportPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelo::gui {

CPrintOptionsDlg::CPrintOptionsDlg(const UnitSystem& system, QWidget* parent)
    : QDialog(parent), m_system(system) {
    setWindowTitle(QStringLiteral("Printing Options"));
    auto* group = new QGroupBox(QStringLiteral("Select Unit(s)"), this);
    m_units = new QComboBox(group);
    m_units->setObjectName(QStringLiteral("unitComboBox"));
    for (const auto& unit : system.units()) {
        m_units->addItem(QStringLiteral("ID %1 - %2")
                             .arg(qulonglong{unit->busId()} + 1)
                             .arg(QString::fromStdU16String(unit->name())));
    }
    m_units->setMinimumContentsLength(24);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_units);

    m_allUnits = new QCheckBox(QStringLiteral("All Units"), this);
    m_allUnits->setObjectName(QStringLiteral("allUnitsCheckBox"));
    m_pages = new QLabel(this);
    m_pages->setObjectName(QStringLiteral("pagesLabel"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_allUnits);
    layout->addWidget(m_pages);
    layout->addWidget(m_buttons);

    connect(m_allUnits, &QCheckBox::toggled, this, &CPrintOptionsDlg::updateSelection);
    connect(m_units, &QComboBox::currentIndexChanged, this, &CPrintOptionsDlg::updateSelection);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateSelection();
}

std::vector<std::size_t> CPrintOptionsDlg::selection() const {
    if (m_allUnits->isChecked()) {
        return report::allUnits(m_system);
    }
    const int current = m_units->currentIndex();
    if (current < 0 || static_cast<std::size_t>(current) >= m_system.unitCount()) {
        return {};
    }
    return {static_cast<std::size_t>(current)};
}

int CPrintOptionsDlg::pageCount() const {
    return report::reportPageCount(selection().size());
}

void CPrintOptionsDlg::updateSelection() {
    m_units->setEnabled(!m_allUnits->isChecked());
    m_pages->setText(QStringLiteral("\n           Pages To Print = %1").arg(pageCount()));
    // Nothing to print from an empty system.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(pageCount() > 0);
}

} // namespace kelo::gui
