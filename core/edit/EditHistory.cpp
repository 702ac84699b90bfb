#include "core/edit/EditHistory.h"

#include <algorithm>

namespace kelo {

void EditHistory::push(HistoryStep step) {
    if (step.writes.empty()) {
        return;
    }
    m_redo.clear();
    if (m_savedDepth > static_cast<std::ptrdiff_t>(m_undo.size())) {
        m_savedDepth = -1; // the saved state was on the dropped redo branch
    }
    if (m_mergeOpen && step.mergeKey != 0 && !m_undo.empty() && m_undo.back().mergeKey == step.mergeKey &&
        m_savedDepth != static_cast<std::ptrdiff_t>(m_undo.size())) {
        // One gesture (a drag, a spin run, a handle moved in frequency and gain): a field written
        // before keeps its first old value and takes the newest new value; a field new to the run
        // joins the step with the value it had before the run.
        HistoryStep& last = m_undo.back();
        for (const RecordWrite& write : step.writes) {
            const auto same = std::find_if(last.writes.begin(), last.writes.end(), [&](const RecordWrite& w) {
                return w.unitKey == write.unitKey && w.field == write.field;
            });
            if (same != last.writes.end()) {
                same->newValue = write.newValue;
            } else {
                last.writes.push_back(write);
            }
        }
        return;
    }
    m_undo.push_back(std::move(step));
    m_mergeOpen = true;
    if (m_undo.size() > m_limit) {
        m_undo.pop_front();
        m_savedDepth = m_savedDepth > 0 ? m_savedDepth - 1 : -1;
    }
}

std::string EditHistory::undoLabel() const {
    return m_undo.empty() ? std::string() : m_undo.back().label;
}

std::string EditHistory::redoLabel() const {
    return m_redo.empty() ? std::string() : m_redo.back().label;
}

HistoryStep EditHistory::takeUndo() {
    m_mergeOpen = false;
    if (m_undo.empty()) {
        return {};
    }
    HistoryStep step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(step);
    return step;
}

HistoryStep EditHistory::takeRedo() {
    m_mergeOpen = false;
    if (m_redo.empty()) {
        return {};
    }
    HistoryStep step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(step);
    return step;
}

void EditHistory::clear() {
    m_undo.clear();
    m_redo.clear();
    m_mergeOpen = false;
    m_savedDepth = -1;
}

void EditHistory::markSaved() {
    m_savedDepth = static_cast<std::ptrdiff_t>(m_undo.size());
    m_mergeOpen = false;
}

bool EditHistory::atSavedState() const {
    return m_savedDepth == static_cast<std::ptrdiff_t>(m_undo.size());
}

void EditHistory::setSavedStateReachable(bool reachable) {
    m_savedDepth = reachable ? static_cast<std::ptrdiff_t>(m_undo.size()) : -1;
}

} // namespace kelo
