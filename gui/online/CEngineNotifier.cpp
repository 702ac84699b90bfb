#include "online/CEngineNotifier.h"

namespace kelo::gui {

CEngineNotifier::CEngineNotifier(QObject* parent) : QObject(parent) {}

ScanDialogHooks CEngineNotifier::scanDialogHooks() {
    return {[this] { emit identifierPolled(); }, [this] { emit firstSweepDone(); }};
}

OnlineDocumentHooks CEngineNotifier::onlineDocumentHooks() {
    return {[this] { emit viewsRefreshRequested(); }, [flag = m_documentHasUnits] { return flag->load(); }};
}

} // namespace kelo::gui
