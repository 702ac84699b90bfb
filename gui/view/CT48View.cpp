#include "gui/view/CT48View.h"

#include "core/units/processor/RoutingMode.h"
#include "gui/doc/CSystemDoc.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kelo::gui {

CT48View::CT48View(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : QWidget(parent), m_document(document), m_unitKey(unitKey), m_routing(new QLabel(this)),
      m_details(new QLabel(this)), m_indicatorLabel(new QLabel(this)) {
    setObjectName(QStringLiteral("unitView"));
    m_routing->setObjectName(QStringLiteral("routingLabel"));
    m_routing->setAlignment(Qt::AlignCenter);
    QFont big = m_routing->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    m_routing->setFont(big);
    m_details->setAlignment(Qt::AlignCenter);
    m_details->setObjectName(QStringLiteral("detailsLabel"));
    m_indicatorLabel->setObjectName(QStringLiteral("connectionIndicator"));
    m_indicatorLabel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_indicatorLabel, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addStretch();
    layout->addWidget(m_routing);
    layout->addWidget(m_details);
    layout->addStretch();
    refreshUnit();
}

QString CT48View::routingText() const {
    return m_routing->text();
}

void CT48View::refreshUnit() {
    const Unit* unit = m_document->system().FindUnit(m_unitKey);
    if (unit == nullptr) {
        return;
    }
    if (const ProcessorUnit* processor = unit->processor()) {
        const std::string_view label = routingModeLabel(processor->live.routingMode);
        m_routing->setText(QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size())));
        m_details->setText(tr("Input ganging: %1    Output ganging: %2")
                               .arg(processor->live.inputGanging() != 0 ? tr("on") : tr("off"),
                                    processor->live.outputGanging() != 0 ? tr("on") : tr("off")));
    } else if (const AmpUnit* amp = unit->amp()) {
        m_routing->setText(tr("Channels A and B"));
        m_details->setText(tr("Ganging: %1").arg(amp->live.ganging() != 0 ? tr("on") : tr("off")));
    }
}

void CT48View::refreshConnectionIndicator() {
    ConnectionIndicator next = ConnectionIndicator::Hidden;
    switch (m_document->connectionState(m_unitKey)) {
    case ConnectionState::Connected:
        next = ConnectionIndicator::Connected;
        break;
    case ConnectionState::NotResponding:
        next = ConnectionIndicator::NotResponding;
        break;
    default:
        break;
    }
    if (next != m_indicator) {
        m_indicator = next;
        showIndicator();
    }
}

void CT48View::showIndicator() {
    switch (m_indicator) {
    case ConnectionIndicator::Hidden:
        m_indicatorLabel->hide();
        return;
    case ConnectionIndicator::Connected:
        m_indicatorLabel->setText(
            QStringLiteral("<b><font color=\"#00b000\">&#9679;</font> %1</b>").arg(tr("Connected")));
        break;
    case ConnectionIndicator::NotResponding:
        m_indicatorLabel->setText(
            QStringLiteral("<b><font color=\"#e00000\">&#9679;</font> %1</b>").arg(tr("Not responding")));
        break;
    }
    m_indicatorLabel->show();
}

} // namespace kelo::gui
