#pragma once

#include "core/comm/line/CommResult.h"
#include "core/programs/ProgramSequence.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class QThread;
class QWidget;

namespace kelo {
class CommEngine;
class FactoryPrograms;
} // namespace kelo

namespace kelo::gui {

class CProgramProgressDlg;

/// Sends a prepared program store or recall on its own thread while a modal progress dialog shows
/// which unit is being sent. The window stays responsive through the pauses (2.5 s per unit).
class CProgramSendJob : public QObject {
    Q_OBJECT

public:
    /// @param labelFormat the progress text, "%1" standing for the shown identifier of the unit
    CProgramSendJob(CommEngine& engine, FactoryPrograms& factory, ProgramPlan plan, QString labelFormat,
                    QWidget* dialogParent, QObject* parent = nullptr);
    /// Waits for the thread when it still runs.
    ~CProgramSendJob() override;

    /// Shows the progress dialog and starts the sends.
    void start();
    bool isRunning() const;

    /// Results of each unit's sends, in plan order; complete once finished() was emitted.
    const std::vector<CommResult>& results() const { return m_results; }

signals:
    /// Every unit was sent; the dialog is closed.
    void finished();

private:
    void unitStarted(std::size_t index, std::uint32_t busId);
    void threadDone();

    CommEngine& m_engine;
    FactoryPrograms& m_factory;
    ProgramPlan m_plan; ///< read by the thread only while it runs
    QString m_labelFormat;
    QPointer<CProgramProgressDlg> m_dialog;
    QThread* m_thread = nullptr;
    std::vector<CommResult> m_results; ///< written by the thread, read after it ended
};

} // namespace kelo::gui
