#include "gui/online/CEngineNotifier.h"

namespace kelo::gui {

CEngineNotifier::CEngineNotifier(QObject* parent) : QObject(parent) {}

OnlineDocumentHooks CEngineNotifier::onlineDocumentHooks() {
    return {[this] { emit viewsRefreshRequested(); }, [flag = m_documentHasUnits] { return flag->load(); }};
}

} // namespace kelo::gui
