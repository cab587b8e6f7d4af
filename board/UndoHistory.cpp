// UndoHistory: a list of steps and how many of them are applied.
#include "UndoHistory.h"

void UndoHistory::Record(const BoardEntries& before, const BoardEntries& after)
{
    if (before == after)
        return;
    m_steps.resize(m_done);
    m_steps.push_back({before, after});
    m_done = m_steps.size();
}

const BoardEntries* UndoHistory::Undo()
{
    if (!CanUndo())
        return nullptr;
    return &m_steps[--m_done].before;
}

const BoardEntries* UndoHistory::Redo()
{
    if (!CanRedo())
        return nullptr;
    return &m_steps[m_done++].after;
}

void UndoHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
}
