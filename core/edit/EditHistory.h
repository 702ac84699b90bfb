#pragma once

#include "core/edit/ParameterEdit.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace kelo {

/// One undoable user action: its record writes (with partner and linked writes) and its text.
struct HistoryStep {
    std::string label; ///< "Output 3 gain"
    std::vector<RecordWrite> writes;
    std::uint64_t mergeKey = 0; ///< non-zero: later steps with the same key (one gesture) merge into it
};

/// The undo and redo history of one system's page edits.
///
/// Consecutive steps with the same non-zero merge key (one drag or spin run) merge into one: the step
/// keeps the first old value of every field it writes and takes the newest new values. A new merge key,
/// undo or redo ends a merge run.
class EditHistory {
public:
    static constexpr std::size_t kDefaultLimit = 200;

    explicit EditHistory(std::size_t limit = kDefaultLimit) : m_limit(limit) {}

    /// Records a done step; the redo list is dropped. An empty step is ignored.
    void push(HistoryStep step);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    /// The label of the step Undo would take back ("" when none).
    std::string undoLabel() const;
    std::string redoLabel() const;

    /// Takes the newest step back: the caller writes its old values (replayWrites(..., true)).
    /// @return the step, or an empty step when there is none
    HistoryStep takeUndo();
    /// Takes the newest undone step forward: the caller writes its new values.
    HistoryStep takeRedo();

    /// Forgets everything (whole-unit changes: recall, store, transfer, Modify Unit, delete, load).
    void clear();

    /// Marks the current position as the saved state.
    void markSaved();
    /// True when the history stands where it was last saved (or cleared with the document unmodified).
    bool atSavedState() const;
    /// After clear(): whether the cleared state counts as saved.
    void setSavedStateReachable(bool reachable);

private:
    std::size_t m_limit;
    std::deque<HistoryStep> m_undo;
    std::vector<HistoryStep> m_redo;
    bool m_mergeOpen = false;
    /// Undo depth of the saved state; negative when it cannot be reached any more.
    std::ptrdiff_t m_savedDepth = 0;
};

} // namespace kelo
