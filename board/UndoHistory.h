// The steps the player can undo and redo, each the board's entries before and after it.
#pragma once

#include "BoardEntries.h"

#include <cstddef>
#include <vector>

class UndoHistory {
public:
    // A step that changed something; a step that changed nothing is not kept. Drops the
    // steps that could have been redone.
    void Record(const BoardEntries& before, const BoardEntries& after);

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // The entries to put back, or null when there is nothing to undo (redo).
    const BoardEntries* Undo();
    const BoardEntries* Redo();

    void Clear();

private:
    struct Step {
        BoardEntries before;
        BoardEntries after;
    };
    std::vector<Step> m_steps;
    std::size_t m_done = 0;  // steps [0, m_done) are applied
};
