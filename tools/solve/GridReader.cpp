// Splits tessaly-solve's input into grids: 81 cells each, on one line or drawn over several.
#include "GridReader.h"

#include "PuzzleText.h"

#include <algorithm>

void GridReader::Put(char c)
{
    if (c == '\n') {
        EndLine();
        return;
    }
    if (m_lineBroken)
        return;  // the rest of the line is read past, never kept
    const PuzzleCharKind kind = KindOfPuzzleChar(c);
    if (kind == PuzzleCharKind::Separator)
        return;
    if (kind == PuzzleCharKind::Other || m_lineCount == int(m_lineCells.size())) {
        m_lineBroken = true;
        return;
    }
    m_lineCells[m_lineCount++] = kind == PuzzleCharKind::Given ? c - '0' : 0;
}

void GridReader::Finish()
{
    EndLine();
    ReportShortGrid();
}

void GridReader::EndLine()
{
    const long long line = m_line++;
    if (m_lineBroken) {
        ReportShortGrid();
        m_report({line, line, std::nullopt});
    } else if (m_lineCount > 0) {
        if (m_count + m_lineCount > int(m_cells.size()))
            ReportShortGrid();
        if (m_count == 0)
            m_firstLine = line;
        m_lastLine = line;
        std::copy_n(m_lineCells.begin(), m_lineCount, m_cells.begin() + m_count);
        m_count += m_lineCount;
        if (m_count == int(m_cells.size())) {
            m_report({m_firstLine, m_lastLine, m_cells});
            m_count = 0;
        }
    }
    m_lineCount = 0;
    m_lineBroken = false;
}

void GridReader::ReportShortGrid()
{
    if (m_count == 0)
        return;
    m_report({m_firstLine, m_lastLine, std::nullopt});
    m_count = 0;
}
