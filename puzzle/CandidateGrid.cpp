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
    for (int unit = 0; unit < UnitCount; ++unit)
        for (int i = 0; i < 9; ++i)
            for (int digit = 1; digit <= 9; ++digit)
                if (Has(UnitCells(unit)[i], digit))
                    m_positions[unit][digit] |= std::uint16_t(1u << i);
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
        Eliminate(cell, other);
    for (const int peer : PeersOf(cell))
        Eliminate(peer, digit);
}
