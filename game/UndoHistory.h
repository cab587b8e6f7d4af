// The steps the player can undo and redo, each a snapshot of what the step changed, before and after it.
#pragma once

#include <cstddef>
#include <vector>

template <class Snapshot>
class UndoHistory {
public:
    // A step that changed something; a step that changed nothing is not kept. Drops the
    // steps that could have been redone.
    void Record(const Snapshot& before, const Snapshot& after)
    {
        if (before == after)
            return;
        m_steps.resize(m_done);
        m_steps.push_back({before, after});
        m_done = m_steps.size();
    }

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // The snapshot to put back, or null when there is nothing to undo (redo).
    const Snapshot* Undo() { return CanUndo() ? &m_steps[--m_done].before : nullptr; }
    const Snapshot* Redo() { return CanRedo() ? &m_steps[m_done++].after : nullptr; }

    void Clear()
    {
        m_steps.clear();
        m_done = 0;
    }

    bool operator==(const UndoHistory&) const = default;

private:
    struct Step {
        Snapshot before;
        Snapshot after;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> m_steps;
    std::size_t m_done = 0;  // steps [0, m_done) are applied
};
