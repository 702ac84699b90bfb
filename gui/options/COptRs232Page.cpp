#include "gui/options/COptRs232Page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelo::gui {

COptRs232Page::COptRs232Page(const CGeneralSettings& settings, bool lineLocked, QWidget* parent)
    : QWidget(parent), m_portGroup(new QButtonGroup(this)), m_baudRateComboBox(new QComboBox(this)),
      m_storedPort(settings.port), m_storedBaudRate(settings.baudRate) {
    setObjectName(QStringLiteral("optRs232Page"));

    auto* portBox = new QGroupBox(QStringLiteral("Port"), this);
    auto* portLayout = new QVBoxLayout(portBox);
    for (int index = 0; index < kPortCount; ++index) {
        auto* button = new QRadioButton(QStringLiteral("COM %1").arg(index + 1), portBox);
        button->setObjectName(QStringLiteral("com%1RadioButton").arg(index + 1));
        const bool present = settings.portPresent[static_cast<std::size_t>(index)] != 0;
        button->setEnabled(present && !lineLocked);
        button->setChecked(index == settings.port);
        m_portGroup->addButton(button, index);
        portLayout->addWidget(button);
    }

    auto* baudBox = new QGroupBox(QStringLiteral("Baud Rate"), this);
    auto* baudLayout = new QVBoxLayout(baudBox);
    m_baudRateComboBox->setObjectName(QStringLiteral("baudRateComboBox"));
    m_baudRateComboBox->addItems({QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200"),
                                  QStringLiteral("38400"), QStringLiteral("56000"), QStringLiteral("57600"),
                                  QStringLiteral("115200")});
    m_baudRateComboBox->setCurrentIndex(settings.baudRate);
    m_baudRateComboBox->setEnabled(!lineLocked);
    baudLayout->addWidget(m_baudRateComboBox);
    baudLayout->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(portBox);
    layout->addWidget(baudBox);
}

int COptRs232Page::port() const {
    const int checked = m_portGroup->checkedId();
    return checked >= 0 ? checked : m_storedPort;
}

int COptRs232Page::baudRate() const {
    const int current = m_baudRateComboBox->currentIndex();
    return current >= 0 ? current : m_storedBaudRate;
}

} // namespace kelo::gui
