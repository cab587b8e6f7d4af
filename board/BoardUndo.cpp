// The player's entries on the board, and taking them back and forth.
#include "CBoardWnd.h"

#include "UndoStepScope.h"

BoardEntries CBoardWnd::CaptureEntries() const
{
    BoardEntries entries;
    for (size_t i = 0; i < m_cells.size() && i < entries.m_texts.size(); ++i) {
        const std::string& text = m_cells[i]->m_text;
        entries.m_texts[i] = text.empty() ? '\0' : text[0];
    }
    entries.m_marks = m_marks;
    return entries;
}

void CBoardWnd::RestoreEntries(const BoardEntries& entries)
{
    for (size_t i = 0; i < m_cells.size() && i < entries.m_texts.size(); ++i) {
        const char text = entries.m_texts[i];
        m_cells[i]->m_text = text == '\0' ? std::string() : std::string(1, text);
    }
    m_marks = entries.m_marks;
}

void CBoardWnd::ResetMarksAndHistory()
{
    m_marks.ShowAll();
    m_history.Clear();
}

bool CBoardWnd::Undo()
{
    const BoardEntries* entries = m_history.Undo();
    if (entries == nullptr)
        return false;
    RestoreEntries(*entries);
    Redraw();
    return true;
}

bool CBoardWnd::Redo()
{
    const BoardEntries* entries = m_history.Redo();
    if (entries == nullptr)
        return false;
    RestoreEntries(*entries);
    Redraw();
    return true;
}

UndoStepScope::UndoStepScope(CBoardWnd& board) : m_board(board), m_before(board.CaptureEntries())
{
}

UndoStepScope::~UndoStepScope()
{
    m_board.m_history.Record(m_before, m_board.CaptureEntries());
}
