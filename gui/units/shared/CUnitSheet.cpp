#include "gui/units/shared/CUnitSheet.h"

#include "gui/units/shared/CUnitPage.h"

#include <QVBoxLayout>

namespace kelo::gui {

CUnitSheet::CUnitSheet(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("unitSheet"));
    setUsesScrollButtons(true);
    setDocumentMode(true);
    connect(this, &QTabWidget::currentChanged, this, &CUnitSheet::buildPage);
}

void CUnitSheet::addPage(CUnitPage* page, const QString& title) {
    m_factories.emplace_back();
    addTab(page, title);
}

void CUnitSheet::addPage(std::function<CUnitPage*()> factory, const QString& title) {
    // The tab holds an empty frame until the page is built into it.
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    // Before the tab goes in: the first tab becomes current as it is added, and is built then.
    m_factories.push_back(std::move(factory));
    addTab(frame, title);
}

void CUnitSheet::buildPage(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_factories.size() || !m_factories[index]) {
        return;
    }
    const auto factory = std::move(m_factories[index]);
    m_factories[index] = nullptr;
    CUnitPage* built = factory();
    widget(index)->layout()->addWidget(built);
    // Shown at once (not at the layout's next turn), so the page is locked and filled as soon as it exists.
    if (widget(index)->isVisible()) {
        built->show();
    }
}

CUnitPage* CUnitSheet::page(int index) const {
    QWidget* tab = widget(index);
    if (auto* direct = qobject_cast<CUnitPage*>(tab)) {
        return direct;
    }
    return tab != nullptr ? tab->findChild<CUnitPage*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

CUnitPage* CUnitSheet::currentPage() const {
    return page(currentIndex());
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
