#include "gui/frame/CUnitChildFrame.h"

#include "gui/doc/CSystemDoc.h"
#include "gui/units/processor/CTz48PView.h"
#include "gui/units/processor/CTz48View.h"
#include "gui/view/CTzAmpView.h"

#include <QCloseEvent>

namespace kelo::gui {

namespace {

CT48View* makeView(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent) {
    switch (document->family()) {
    case Family::Tz48:
        return new CTz48View(document, unitKey, parent);
    case Family::Tz48P:
        return new CTz48PView(document, unitKey, parent);
    case Family::TzAmp:
        break;
    }
    return new CTzAmpView(document, unitKey, parent);
}

} // namespace

CUnitChildFrame::CUnitChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_unitKey(unitKey),
      m_view(makeView(document, unitKey, this)) {
    setObjectName(QStringLiteral("unitFrame%1").arg(unitKey));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWidget(m_view);
    resize(kUnitWindowWidth, kUnitWindowHeight);
    connect(m_view, &CT48View::captionChanged, this, &CUnitChildFrame::refreshCaption);
    refreshCaption();
}

void CUnitChildFrame::refreshCaption() {
    // The document's modified mark follows the caption while the system has unsaved edits.
    setWindowTitle(m_view->caption() + (m_document->isModified() ? QStringLiteral(" *") : QString()));
}

void CUnitChildFrame::closeWithDocument() {
    m_closingWithDocument = true;
    close();
}

void CUnitChildFrame::closeEvent(QCloseEvent* event) {
    if (!m_closingWithDocument && !m_document->confirmDeleteUnit(m_unitKey)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_document->unitWindowClosed(this);
    }
}

CTz48ChildFrame::CTz48ChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitChildFrame(document, unitKey, parent) {}

CTz48PChildFrame::CTz48PChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitChildFrame(document, unitKey, parent) {}

CTzAmpChildFrame::CTzAmpChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitChildFrame(document, unitKey, parent) {}

} // namespace kelo::gui
