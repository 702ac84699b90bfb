#include "gui/doc/CSystemDoc.h"

#include "core/app/PresetLabel.h"
#include "core/units/presets/FactoryPrograms.h"
#include "core/units/processor/RoutingMode.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/doc/CStartDlg.h"
#include "gui/doc/CUnitDlg.h"
#include "gui/edit/CSystemEditor.h"
#include "gui/frame/CUnitChildFrame.h"
#include "gui/view/CT48View.h"

#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

namespace kelo::gui {

CSystemDoc::CSystemDoc(QMdiArea* area, UnitSystem system, QObject* parent)
    : QObject(parent), m_area(area), m_system(std::move(system)),
      m_editor(std::make_unique<CSystemEditor>(*this)) {}

void CSystemDoc::setModified(bool modified) {
    if (m_modified != modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
}

CSystemDoc::~CSystemDoc() {
    m_closing = true;
    for (CUnitChildFrame* frame : std::vector<CUnitChildFrame*>(m_frames)) {
        frame->closeWithDocument();
    }
}

std::unique_ptr<CSystemDoc> CSystemDoc::create(QMdiArea* area, UnitSystem system) {
    switch (system.family()) {
    case Family::Tz48:
        return std::make_unique<CTz48Doc>(area, std::move(system));
    case Family::Tz48P:
        return std::make_unique<CTz48PDoc>(area, std::move(system));
    case Family::TzAmp:
        break;
    }
    return std::make_unique<CTzAmpDoc>(area, std::move(system));
}

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
    refreshConnectionIndicators();
}

QWidget* CSystemDoc::dialogParent() const {
    return m_area->window();
}

bool CSystemDoc::OnNewDocument() {
    m_onLine = false;
    for (;;) {
        const auto& scan = lineHooks().scanForNewSystem;
        CStartDlg chooser(static_cast<bool>(scan), dialogParent());
        const int choice = chooser.exec();
        if (choice == CStartDlg::NewUnit) {
            return NewUnit();
        }
        if (choice != CStartDlg::NetworkScan || !scan) {
            return false;
        }
        switch (scan(*this)) {
        case ScanOutcome::Done:
            if (m_system.empty()) {
                return false;
            }
            openUnitWindows();
            return true;
        case ScanOutcome::Discard:
            return false;
        case ScanOutcome::BackToChooser:
            break;
        }
    }
}

std::optional<UnitEditResult> CSystemDoc::runUnitDialog(bool modify, std::uint32_t unitKey) {
    UnitSettings values;
    bool gangingAllowed = true;
    if (modify) {
        const Unit* unit = m_system.FindUnit(unitKey);
        if (unit == nullptr) {
            return std::nullopt;
        }
        values.name = unit->name();
        values.shownId = static_cast<int>(unit->busId()) + 1;
        if (const ProcessorUnit* processor = unit->processor()) {
            values.inputGanging = processor->live.inputGanging() != 0;
            values.outputGanging = processor->live.outputGanging() != 0;
            gangingAllowed = routingAllowsGanging(processor->live.routingMode);
        } else if (const AmpUnit* amp = unit->amp()) {
            values.inputGanging = amp->live.ganging() != 0;
        }
    } else {
        values.name = m_system.proposedUnitName();
    }
    for (;;) {
        CUnitDlg dialog(modify ? CUnitDlg::Mode::ModifyUnit : CUnitDlg::Mode::NewUnit, family(),
                        dialogParent());
        dialog.setValues(values);
        dialog.setGangingEnabled(gangingAllowed);
        // An amplifier system read from the line keeps the identifiers it was read with.
        dialog.setIdentifierEnabled(!(family() == Family::TzAmp && m_onLine));
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        const int shownId = values.shownId;
        values = dialog.values();
        if (family() == Family::Tz48P) {
            // The Plus family never shows the identifier, so the dialog must not change it.
            values.shownId = shownId;
        }
        const UnitEditResult result = modify ? m_system.modifyUnit(unitKey, values)
                                             : m_system.addNewUnit(values, FactoryPrograms::shared());
        if (result.ok()) {
            return result;
        }
        const std::string_view message = unitEditMessage(result.status);
        Dialogs::inform(dialogParent(),
                        QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    }
}

bool CSystemDoc::NewUnit() {
    const std::optional<UnitEditResult> result = runUnitDialog(false, 0);
    if (!result || result->unit == nullptr) {
        return false;
    }
    openUnitWindow(result->unit->key());
    return true;
}

void CSystemDoc::onNewUnitCommand() {
    if (!canAddUnitsByHand()) {
        return;
    }
    if (NewUnit() && m_onLine && lineHooks().reconnect) {
        lineHooks().reconnect(*this);
    }
}

void CSystemDoc::ModifyUnit(std::uint32_t unitKey) {
    if (!runUnitDialog(true, unitKey)) {
        return;
    }
    if (lineHooks().sendGanging) {
        lineHooks().sendGanging(*this, unitKey);
    }
    setModified(true);
    m_editor->unitChangedOutside(unitKey);
    refreshUnitWindow(unitKey);
}

void CSystemDoc::openUnitWindows() {
    for (const auto& unit : m_system.units()) {
        openUnitWindow(unit->key());
    }
}

CUnitChildFrame* CSystemDoc::openUnitWindow(std::uint32_t unitKey) {
    CUnitChildFrame* frame = nullptr;
    switch (family()) {
    case Family::Tz48:
        frame = new CTz48ChildFrame(this, unitKey);
        break;
    case Family::Tz48P:
        frame = new CTz48PChildFrame(this, unitKey);
        break;
    case Family::TzAmp:
        frame = new CTzAmpChildFrame(this, unitKey);
        break;
    }
    m_area->addSubWindow(frame, frame->windowFlags());
    m_frames.push_back(frame);
    frame->show();
    frame->resize(kUnitWindowWidth, kUnitWindowHeight);
    m_area->setActiveSubWindow(frame);
    frame->view()->refreshConnectionIndicator();
    return frame;
}

QString CSystemDoc::unitCaption(std::uint32_t unitKey) const {
    const Unit* unit = m_system.FindUnit(unitKey);
    if (unit == nullptr) {
        return {};
    }
    const ProgramName& programName =
        unit->visit([](const auto& record) -> const ProgramName& { return record.live.name; });
    const std::string preset = presetLabel(family(), unit->currentProgram(), programName);
    return QStringLiteral("%1 < ID:%2 >  -  Preset: %3")
        .arg(QString::fromStdU16String(unit->name()))
        .arg(unit->busId() + 1)
        .arg(QString::fromStdString(preset));
}

bool CSystemDoc::confirmDeleteUnit(std::uint32_t unitKey) {
    // The mark is cleared so that closing the last unit window ends the system without a prompt; a
    // unit that stays (Cancel) or a system that keeps other units keeps its edits marked.
    const bool wasModified = m_modified;
    setModified(false);
    const Unit* unit = m_system.FindUnit(unitKey);
    if (unit == nullptr) {
        return true;
    }
    const QString question = QStringLiteral("Are You Sure To Delete Unit ") +
                             QString::fromStdU16String(unit->name()) + QStringLiteral(" ?");
    const auto answer = Dialogs::message(
        dialogParent(),
        MessageRequest{question, {}, MessageIcon::Question, QMessageBox::Ok | QMessageBox::Cancel});
    if (answer != QMessageBox::Ok) {
        setModified(wasModified);
        return false;
    }
    const std::vector<std::uint32_t> removed = m_system.DeleteUnit(unitKey);
    setModified(!m_system.empty());
    m_editor->systemChangedOutside();
    if (m_onLine && lineHooks().unitRemoved) {
        for (const std::uint32_t id : removed) {
            lineHooks().unitRemoved(*this, static_cast<int>(id));
        }
    }
    return true;
}

void CSystemDoc::unitWindowClosed(CUnitChildFrame* frame) {
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
    if (m_frames.empty() && !m_closing) {
        emit lastWindowClosed(this);
    }
}

void CSystemDoc::DeleteContents() {
    if (m_onLine && lineHooks().takeOffLine) {
        lineHooks().takeOffLine(*this);
    }
    CEditorApp* app = CEditorApp::instance();
    if (app != nullptr && app->onLineDocument() == this) {
        app->setOnLineDocument(nullptr);
    }
    if (m_onLine) {
        setOnLine(false);
    }
    m_closing = true;
    for (CUnitChildFrame* frame : std::vector<CUnitChildFrame*>(m_frames)) {
        frame->closeWithDocument();
    }
    m_frames.clear();
    m_system.clear();
    m_editor->systemChangedOutside();
}

void CSystemDoc::refreshConnectionIndicators() {
    for (CUnitChildFrame* frame : m_frames) {
        frame->view()->refreshConnectionIndicator();
    }
}

void CSystemDoc::refreshUnitWindow(std::uint32_t unitKey) {
    for (CUnitChildFrame* frame : m_frames) {
        if (frame->unitKey() == unitKey) {
            frame->refreshCaption();
            frame->view()->refreshUnit();
        }
    }
}

} // namespace kelo::gui
