#include "gui/options/COptLinkPage.h"

#include "gui/options/CNoteLabel.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace kelo::gui {

COptLinkPage::COptLinkPage(bool link, QWidget* parent)
    : QWidget(parent), m_linkCheckBox(new QCheckBox(QStringLiteral("System Linking"), this)) {
    setObjectName(QStringLiteral("optLinkPage"));
    m_linkCheckBox->setObjectName(QStringLiteral("linkCheckBox"));
    m_linkCheckBox->setChecked(link);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_linkCheckBox);
    layout->addWidget(new CNoteLabel(QStringLiteral("\n NOTE:\n WHEN SYSTEM LINKING IS\n"
                                                    " SELECTED, ALL THE ACTIVE\n"
                                                    " UNITS ARE LINKED TOGETHER."),
                                     this));
    layout->addStretch();
}

bool COptLinkPage::link() const {
    return m_linkCheckBox->isChecked();
}

} // namespace kelo::gui
