#include "core/edit/EditHistory.h"

#include <algorithm>

namespace kelo {

namespace {

// Two steps of one drag or spin run write the same fields of the same units.
bool sameFields(const HistoryStep& a, const HistoryStep& b) {
    return std::equal(a.writes.begin(), a.writes.end(), b.writes.begin(), b.writes.end(),
                      [](const RecordWrite& x, const RecordWrite& y) {
                          return x.unitKey == y.unitKey && x.field == y.field;
                      });
}

} // namespace

void EditHistory::push(HistoryStep step) {
    if (step.writes.empty()) {
        return;
    }
    m_redo.clear();
    if (m_savedDepth > static_cast<std::ptrdiff_t>(m_undo.size())) {
        m_savedDepth = -1; // the saved state was on the dropped redo branch
    }
    if (m_mergeOpen && step.mergeKey != 0 && !m_undo.empty() && m_undo.back().mergeKey == step.mergeKey &&
        sameFields(m_undo.back(), step) && m_savedDepth != static_cast<std::ptrdiff_t>(m_undo.size())) {
        HistoryStep& last = m_undo.back();
        for (std::size_t i = 0; i < last.writes.size(); ++i) {
            last.writes[i].newValue = step.writes[i].newValue;
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
