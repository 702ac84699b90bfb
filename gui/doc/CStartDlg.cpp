#include "gui/doc/CStartDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelo::gui {

CStartDlg::CStartDlg(bool scanAvailable, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("startDialog"));
    setWindowTitle(QStringLiteral("KELO Editor"));
    auto* prompt =
        new QLabel(tr("Create the units of the new system by hand, or read them from the line."), this);
    prompt->setWordWrap(true);
    auto* newUnit = new QPushButton(QStringLiteral("New Unit"), this);
    newUnit->setObjectName(QStringLiteral("newUnitButton"));
    newUnit->setDefault(true);
    auto* scan = new QPushButton(QStringLiteral("Network Scan"), this);
    scan->setObjectName(QStringLiteral("networkScanButton"));
    scan->setEnabled(scanAvailable);
    connect(newUnit, &QPushButton::clicked, this, [this] { done(NewUnit); });
    connect(scan, &QPushButton::clicked, this, [this] { done(NetworkScan); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newUnit);
    buttons->addWidget(scan);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(buttons);
}

} // namespace kelo::gui
