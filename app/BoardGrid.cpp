// Moving numbers between the board's cell texts and a Grid81.
#include "BoardGrid.h"

#include "CBoardWnd.h"

#include <string>

Grid81 ReadCellValues(const CBoardWnd& board)
{
    Grid81 values{};
    for (size_t i = 0; i < values.size() && i < board.m_cells.size(); ++i) {
        const std::string& text = board.m_cells[i]->m_text;
        if (text.size() == 1 && text[0] >= '1' && text[0] <= '9')
            values[i] = text[0] - '0';
    }
    return values;
}

void WriteCellValues(CBoardWnd& board, const Grid81& values)
{
    for (size_t i = 0; i < values.size() && i < board.m_cells.size(); ++i)
        board.m_cells[i]->m_text = values[i] != 0 ? std::to_string(values[i]) : std::string();
}

bool IsBoardEmpty(const CBoardWnd& board)
{
    for (const auto& cell : board.m_cells)
        if (!cell->m_text.empty())
            return false;
    return true;
}
