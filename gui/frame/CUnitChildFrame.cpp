#include "frame/CUnitChildFrame.h"

namespace kelo::gui {

CUnitChildFrame::CUnitChildFrame(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_unitKey(unitKey) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(kUnitWindowWidth, kUnitWindowHeight);
}

} // namespace kelo::gui
