#include "gui/program/CProgramSendJob.h"

#include "gui/program/CProgramProgressDlg.h"

#include <QThread>

namespace kelo::gui {

CProgramSendJob::CProgramSendJob(CommEngine& engine, FactoryPrograms& factory, ProgramPlan plan,
                                 QString labelFormat, QWidget* dialogParent, QObject* parent)
    : QObject(parent), m_engine(engine), m_factory(factory), m_plan(std::move(plan)),
      m_labelFormat(std::move(labelFormat)),
      m_dialog(new CProgramProgressDlg(static_cast<int>(m_plan.sends.size()), dialogParent)) {
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
}

CProgramSendJob::~CProgramSendJob() {
    if (m_thread != nullptr) {
        m_thread->wait();
        delete m_thread;
    }
    if (m_dialog) {
        m_dialog->finish();
    }
}

void CProgramSendJob::start() {
    if (!m_plan.sends.empty()) {
        unitStarted(0, m_plan.sends.front().unit.busId());
    }
    m_dialog->open();
    m_thread = QThread::create([this] {
        m_results = ProgramSequence::send(
            m_engine, m_factory, m_plan, [this](std::size_t index, const ProgramSend& send) {
                const std::uint32_t busId = send.unit.busId();
                QMetaObject::invokeMethod(
                    this, [this, index, busId] { unitStarted(index, busId); }, Qt::QueuedConnection);
            });
    });
    connect(m_thread, &QThread::finished, this, &CProgramSendJob::threadDone);
    m_thread->start();
}

bool CProgramSendJob::isRunning() const {
    return m_thread != nullptr && m_thread->isRunning();
}

void CProgramSendJob::unitStarted(std::size_t index, std::uint32_t busId) {
    if (m_dialog) {
        m_dialog->showUnit(static_cast<int>(index), m_labelFormat.arg(busId + 1));
    }
}

void CProgramSendJob::threadDone() {
    if (m_dialog) {
        m_dialog->finish();
    }
    emit finished();
}

} // namespace kelo::gui
