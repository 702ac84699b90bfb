#include "gui/edit/CSystemEditor.h"

#include "core/edit/FieldAccess.h"
#include "core/edit/FieldCatalogue.h"
#include "gui/doc/CSystemDoc.h"

#include <set>
#include <utility>

namespace kelo::gui {

CSystemEditor::SendHook& CSystemEditor::sendHook() {
    static SendHook hook;
    return hook;
}

std::function<bool()>& CSystemEditor::linkSetting() {
    static std::function<bool()> setting;
    return setting;
}

CSystemEditor::CSystemEditor(CSystemDoc& document) : QObject(&document), m_document(document) {}

bool CSystemEditor::setField(std::uint32_t unitKey, FieldRef field, std::uint32_t index, EditOrigin origin,
                             std::uint64_t mergeKey) {
    const EditOptions options{linkSetting() ? linkSetting()() : false};
    EditResult result = applyEdit(m_document.system(), Edit{unitKey, field, index, origin}, options);
    if (result.empty()) {
        return false;
    }
    const FieldCatalogue& catalogue = FieldCatalogue::of(m_document.family());
    m_history.push(HistoryStep{catalogue.label(field), result.writes, mergeKey});
    finish(result);
    return true;
}

std::optional<std::uint32_t> CSystemEditor::value(std::uint32_t unitKey, FieldRef field) const {
    const Unit* unit = m_document.system().FindUnit(unitKey);
    return unit != nullptr ? readField(*unit, field) : std::nullopt;
}

bool CSystemEditor::copyChannel(const ChannelRef& from, const ChannelRef& to) {
    const EditOptions options{linkSetting() ? linkSetting()() : false};
    EditResult result = kelo::copyChannel(m_document.system(), from, to, options);
    if (result.empty()) {
        return false;
    }
    m_history.push(HistoryStep{"Copy Channel", result.writes, 0});
    finish(result);
    return true;
}

QString CSystemEditor::undoText() const {
    return m_history.canUndo() ? tr("Undo %1").arg(QString::fromStdString(m_history.undoLabel()))
                               : tr("Undo");
}

QString CSystemEditor::redoText() const {
    return m_history.canRedo() ? tr("Redo %1").arg(QString::fromStdString(m_history.redoLabel()))
                               : tr("Redo");
}

void CSystemEditor::undo() {
    const HistoryStep step = m_history.takeUndo();
    if (!step.writes.empty()) {
        finish(replayWrites(m_document.system(), step.writes, true));
    }
}

void CSystemEditor::redo() {
    const HistoryStep step = m_history.takeRedo();
    if (!step.writes.empty()) {
        finish(replayWrites(m_document.system(), step.writes, false));
    }
}

void CSystemEditor::unitChangedOutside(std::uint32_t unitKey) {
    m_history.clear();
    m_history.setSavedStateReachable(!m_document.isModified());
    emit historyChanged();
    emit unitReplaced(unitKey);
}

void CSystemEditor::systemChangedOutside() {
    m_history.clear();
    m_history.setSavedStateReachable(!m_document.isModified());
    emit historyChanged();
}

void CSystemEditor::documentSaved() {
    m_history.markSaved();
    emit historyChanged();
}

void CSystemEditor::finish(const EditResult& result) {
    if (const SendHook& hook = sendHook()) {
        hook(m_document, result);
    }
    // Back where the file was saved, the system holds what the file holds.
    m_document.setModified(!m_history.atSavedState());
    std::set<std::pair<std::uint32_t, FieldRef>> announced;
    for (const RecordWrite& write : result.writes) {
        if (announced.insert({write.unitKey, write.field}).second) {
            emit fieldChanged(write.unitKey, write.field);
        }
    }
    emit historyChanged();
}

} // namespace kelo::gui
