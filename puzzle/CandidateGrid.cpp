// A grid of digits together with the candidates that remain for each empty cell.
#include "CandidateGrid.h"

#include "GridUnits.h"

CandidateGrid::CandidateGrid(const Grid81& grid) : m_values(grid)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (m_values[cell] != 0)
            continue;
        DigitMask seen = 0;
        for (const int peer : PeersOf(cell))
            seen |= DigitBit(m_values[peer]);
        m_candidates[cell] = DigitMask(0x3FE & ~seen);
        for (int digit = 1; digit <= 9; ++digit)
            if (Has(cell, digit))
                m_cellsWith[digit].Add(cell);
    }
}

unsigned CandidateGrid::PositionsIn(int unit, int digit) const
{
    unsigned positions = 0;
    if ((m_cellsWith[digit] & UnitSet(unit)).Empty())
        return 0;
    const auto& cells = UnitCells(unit);
    for (int i = 0; i < 9; ++i)
        if (Has(cells[i], digit))
            positions |= 1u << i;
    return positions;
}

bool CandidateGrid::IsPlacedIn(int unit, int digit) const
{
    for (const int cell : UnitCells(unit))
        if (m_values[cell] == digit)
            return true;
    return false;
}

bool CandidateGrid::IsFull() const
{
    for (const int value : m_values)
        if (value == 0)
            return false;
    return true;
}

void CandidateGrid::Place(int cell, int digit)
{
    m_values[cell] = digit;
    for (int other = 1; other <= 9; ++other)
        m_cellsWith[other].Remove(cell);
    m_candidates[cell] = 0;
    for (const int peer : PeersOf(cell))
        Eliminate(peer, digit);
}
