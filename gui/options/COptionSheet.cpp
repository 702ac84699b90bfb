#include "gui/options/COptionSheet.h"

#include "gui/options/COptEditPage.h"
#include "gui/options/COptFilesPage.h"
#include "gui/options/COptLinkPage.h"
#include "gui/options/COptLockPage.h"
#include "gui/options/COptRs232Page.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kelo::gui {

OptionsVariant optionsVariantFor(Family family) {
    switch (family) {
    case Family::Tz48:
        return OptionsVariant::Processor;
    case Family::Tz48P:
        return OptionsVariant::Plus;
    case Family::TzAmp:
        return OptionsVariant::Amplifier;
    }
    return OptionsVariant::Processor;
}

COptionSheet::COptionSheet(OptionsVariant variant, const CGeneralSettings& settings, bool activeOnLine,
                           QWidget* parent)
    : QDialog(parent), m_settings(settings), m_tabs(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));
    setObjectName(QStringLiteral("optionSheet"));
    m_tabs->setObjectName(QStringLiteral("optionTabWidget"));

    const auto lock = static_cast<LockLevel>(settings.lock);
    const QString password = QString::fromStdString(settings.lockPassword);
    m_filesPage = new COptFilesPage(settings.autoLoad != 0, m_tabs);
    m_tabs->addTab(m_filesPage, QStringLiteral("Auto"));
    if (variant == OptionsVariant::Amplifier) {
        m_lockPage = new COptEditPage(lock, password, m_tabs);
    } else {
        m_lockPage = new COptLockPage(lock, password, m_tabs);
    }
    m_tabs->addTab(m_lockPage, QStringLiteral("Lock"));
    if (variant != OptionsVariant::Plus) {
        m_linkPage = new COptLinkPage(settings.link != 0, m_tabs);
        m_tabs->addTab(m_linkPage, QStringLiteral("Linking"));
    }
    const bool lineLocked = activeOnLine && variant != OptionsVariant::Amplifier;
    m_rs232Page = new COptRs232Page(settings, lineLocked, m_tabs);
    m_tabs->addTab(m_rs232Page, QStringLiteral("Rs232"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

CGeneralSettings COptionSheet::editedSettings() const {
    CGeneralSettings edited = m_settings;
    edited.port = m_rs232Page->port();
    edited.autoLoad = m_filesPage->autoLoad() ? 1 : 0;
    edited.baudRate = m_rs232Page->baudRate();
    if (m_linkPage != nullptr) {
        edited.link = m_linkPage->link() ? 1 : 0;
    }
    edited.lockPassword = m_lockPage->password().toStdString();
    edited.lock = static_cast<std::int32_t>(m_lockPage->level());
    return edited;
}

bool COptionSheet::ShowOptions(OptionsVariant variant, CGeneralSettings& settings, bool activeOnLine,
                               QWidget* parent) {
    COptionSheet sheet(variant, settings, activeOnLine, parent);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    settings = sheet.editedSettings();
    return true;
}

} // namespace kelo::gui
