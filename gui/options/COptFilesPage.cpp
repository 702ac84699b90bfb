#include "gui/options/COptFilesPage.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace kelo::gui {

COptFilesPage::COptFilesPage(bool autoLoad, QWidget* parent)
    : QWidget(parent), m_autoLoadCheckBox(new QCheckBox(QStringLiteral("Auto Load File"), this)) {
    setObjectName(QStringLiteral("optFilesPage"));
    m_autoLoadCheckBox->setObjectName(QStringLiteral("autoLoadCheckBox"));
    m_autoLoadCheckBox->setChecked(autoLoad);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_autoLoadCheckBox);
    layout->addStretch();
}

bool COptFilesPage::autoLoad() const {
    return m_autoLoadCheckBox->isChecked();
}

} // namespace kelo::gui
