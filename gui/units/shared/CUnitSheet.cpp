#include "gui/units/shared/CUnitSheet.h"

#include "gui/units/shared/CUnitPage.h"

namespace kelo::gui {

CUnitSheet::CUnitSheet(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("unitSheet"));
    setUsesScrollButtons(true);
    setDocumentMode(true);
}

void CUnitSheet::addPage(CUnitPage* page, const QString& title) {
    addTab(page, title);
}

CUnitPage* CUnitSheet::page(int index) const {
    return qobject_cast<CUnitPage*>(widget(index));
}

CUnitPage* CUnitSheet::currentPage() const {
    return qobject_cast<CUnitPage*>(currentWidget());
}

QStringList CUnitSheet::pageTitles() const {
    QStringList titles;
    for (int i = 0; i < count(); ++i) {
        titles << tabText(i);
    }
    return titles;
}

void CUnitSheet::refreshPages() {
    for (int i = 0; i < count(); ++i) {
        if (CUnitPage* shown = page(i)) {
            shown->refreshFields();
        }
    }
}

} // namespace kelo::gui
