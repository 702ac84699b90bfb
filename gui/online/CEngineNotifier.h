#pragma once

#include "core/comm/engine/CommEngine.h"

#include <QObject>

#include <atomic>
#include <memory>

namespace kelo::gui {

/// Carries the engine's view-refresh notification onto the GUI thread.
///
/// The hooks it hands to the engine run on the worker thread and do nothing but emit a signal; every
/// receiver connects with Qt::QueuedConnection, so slots run on the GUI thread and a receiver that is
/// destroyed meanwhile simply gets nothing. The notifier must outlive the engine that holds its hooks.
class CEngineNotifier : public QObject {
    Q_OBJECT

public:
    explicit CEngineNotifier(QObject* parent = nullptr);

    /// Hooks for the on-line document. Whether it holds units is read from a flag the GUI thread
    /// keeps up to date with setDocumentHasUnits(), so the worker never touches the document.
    OnlineDocumentHooks onlineDocumentHooks();
    void setDocumentHasUnits(bool hasUnits) { m_documentHasUnits->store(hasUnits); }

signals:
    void viewsRefreshRequested();

private:
    std::shared_ptr<std::atomic<bool>> m_documentHasUnits = std::make_shared<std::atomic<bool>>(false);
};

} // namespace kelo::gui
