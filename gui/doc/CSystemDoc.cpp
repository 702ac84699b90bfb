#include "doc/CSystemDoc.h"

#include "frame/CUnitChildFrame.h"

#include <QFileInfo>
#include <QMdiArea>

namespace kelo::gui {

CSystemDoc::CSystemDoc(Family family, QMdiArea* area, QObject* parent)
    : QObject(parent), m_family(family), m_area(area) {}

CSystemDoc::~CSystemDoc() = default;

LineHooks& CSystemDoc::lineHooks() {
    static LineHooks hooks;
    return hooks;
}

void CSystemDoc::setPath(const QString& path) {
    m_path = path;
    m_title = QFileInfo(path).fileName();
}

void CSystemDoc::setOnLine(bool onLine) {
    m_onLine = onLine;
    emit onLineChanged(onLine);
}

std::vector<CUnitChildFrame*> CSystemDoc::unitFrames() const {
    std::vector<CUnitChildFrame*> frames;
    for (QMdiSubWindow* window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CUnitChildFrame*>(window);
        if (frame != nullptr && frame->document() == this) {
            frames.push_back(frame);
        }
    }
    return frames;
}

void CSystemDoc::refreshConnectionIndicators() {}

} // namespace kelo::gui
