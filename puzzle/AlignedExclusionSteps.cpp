// Aligned pair and triple exclusion: a digit of one of a few cells that no allowed way of filling
// them all together uses.
//
// The aligned cells are two (or three) cells that see each other. A way of filling them is
// ruled out when two of them that see each other take one digit, or when a cell that sees
// some of them has no digit left besides the ones they take. A digit that no remaining way
// gives its cell is removed.
#include "GridUnits.h"
#include "StepTechniques.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// The empty cells with two or three digits left, which alone can rule out ways to fill two or
// three cells.
CellSet FewDigitCells(const CandidateGrid& grid)
{
    CellSet cells;
    for (int cell = 0; cell < 81; ++cell) {
        const int count = CountDigits(grid.Candidates(cell));
        if (count >= 2 && count <= 3)
            cells.Add(cell);
    }
    return cells;
}

struct Excluder {
    int cell;
    unsigned seen;  // bit i: it sees the i-th aligned cell
};

class Exclusion {
public:
    // `fewDigits`: FewDigitCells of the grid.
    Exclusion(const CandidateGrid& grid, std::vector<int> cells, const CellSet& fewDigits) : m_grid(grid), m_cells(std::move(cells))
    {
        // The cells that may rule out a way: seeing two or more of the aligned cells, with no
        // more digits than those could take from them.
        CellSet seenTwice;
        for (size_t i = 0; i < m_cells.size(); ++i)
            for (size_t j = i + 1; j < m_cells.size(); ++j)
                seenTwice |= PeerSet(m_cells[i]) & PeerSet(m_cells[j]);
        for (const int cell : seenTwice & fewDigits) {
            unsigned seen = 0;
            for (size_t i = 0; i < m_cells.size(); ++i)
                if (Sees(cell, m_cells[i]))
                    seen |= 1u << i;
            if (CountDigits(grid.Candidates(cell)) <= BitCount(seen) && m_excluderCount < m_excluders.size())
                m_excluders[m_excluderCount++] = {cell, seen};
        }
    }

    bool CanExclude() const { return m_excluderCount > 0; }

    // The removals: each aligned cell's digits that no allowed way gives it.
    std::optional<Step> Find(Technique technique)
    {
        Step step;
        std::vector<int> values(m_cells.size(), 0);
        for (size_t i = 0; i < m_cells.size(); ++i) {
            // Only a cell that sees this one and could take the digit rules out its ways.
            DigitMask excluded = 0;
            for (size_t e = 0; e < m_excluderCount; ++e)
                if ((m_excluders[e].seen & (1u << i)) != 0)
                    excluded |= m_grid.Candidates(m_excluders[e].cell);
            for (unsigned bits = m_grid.Candidates(m_cells[i]) & excluded; bits != 0; bits &= bits - 1) {
                const int digit = std::countr_zero(bits);
                if (!EnoughExcluders(i, digit))
                    continue;
                m_rejecting.clear();
                if (AnyAllowed(0, i, digit, values))
                    continue;
                step.eliminations.push_back({m_cells[i], digit});
                for (const int cell : m_rejecting)
                    if (std::find(step.otherCells.begin(), step.otherCells.end(), cell) == step.otherCells.end())
                        step.otherCells.push_back(cell);
            }
        }
        if (step.eliminations.empty())
            return std::nullopt;
        step.technique = technique;
        step.difficulty = BaseDifficulty(technique);
        step.cells = m_cells;
        std::sort(step.otherCells.begin(), step.otherCells.end());
        for (const int cell : m_cells)
            ReadCell(step, cell);
        for (const int cell : step.otherCells)
            ReadCell(step, cell);
        return step;
    }

private:
    // Whether the excluders could rule out as many ways as put `digit` in the i-th cell: each
    // rules out at most the ways that give the cells it sees its digits.
    bool EnoughExcluders(size_t i, int digit) const
    {
        int ways = 1;
        for (size_t j = 0; j < m_cells.size(); ++j)
            if (j != i)
                ways *= CountDigits(m_grid.Candidates(m_cells[j]));
        int ruledOut = 0;
        for (size_t e = 0; e < m_excluderCount; ++e) {
            const DigitMask digits = m_grid.Candidates(m_excluders[e].cell);
            const unsigned seen = m_excluders[e].seen;
            if ((seen & (1u << i)) != 0 && (digits & DigitBit(digit)) == 0)
                continue;
            // The ways it rules out: one for each digit of the aligned cells it does not see.
            int ways = 1;
            for (size_t j = 0; j < m_cells.size(); ++j)
                if (j != i && (seen & (1u << j)) == 0)
                    ways *= CountDigits(m_grid.Candidates(m_cells[j]));
            ruledOut += ways * (BitCount(seen & ~(1u << i)) == 2 ? 2 : 1);
        }
        return ruledOut >= ways;
    }

    // True when some way to fill the cells from the i-th on, with `digit` in the `fixed`-th,
    // is allowed.
    bool AnyAllowed(size_t i, size_t fixed, int digit, std::vector<int>& values)
    {
        if (i == m_cells.size())
            return Allowed(values);
        const DigitMask choices = i == fixed ? DigitBit(digit) : m_grid.Candidates(m_cells[i]);
        for (unsigned bits = choices; bits != 0; bits &= bits - 1) {
            const int value = std::countr_zero(bits);
            bool clash = false;
            for (size_t j = 0; j < i; ++j)
                clash = clash || (values[j] == value && Sees(m_cells[j], m_cells[i]));
            if (clash)
                continue;
            values[i] = value;
            if (AnyAllowed(i + 1, fixed, digit, values))
                return true;
        }
        return false;
    }

    // No cell that sees some of the aligned cells is left without a digit.
    bool Allowed(const std::vector<int>& values)
    {
        for (size_t e = 0; e < m_excluderCount; ++e) {
            DigitMask taken = 0;
            for (size_t j = 0; j < values.size(); ++j)
                if ((m_excluders[e].seen & (1u << j)) != 0)
                    taken |= DigitBit(values[j]);
            if ((m_grid.Candidates(m_excluders[e].cell) & ~taken) == 0) {
                m_rejecting.push_back(m_excluders[e].cell);
                return false;
            }
        }
        return true;
    }

    const CandidateGrid& m_grid;
    std::vector<int> m_cells;
    std::array<Excluder, 48> m_excluders{};
    size_t m_excluderCount = 0;
    std::vector<int> m_rejecting;  // the cells that ruled out ways in the last search
};

bool Empty(const CandidateGrid& grid, int cell) { return grid.Value(cell) == 0; }

}  // namespace

std::optional<Step> FindAlignedPairExclusion(const CandidateGrid& grid)
{
    const CellSet fewDigits = FewDigitCells(grid);
    for (int a = 0; a < 81; ++a) {
        if (!Empty(grid, a))
            continue;
        for (const int b : PeerSet(a)) {
            if (b < a || !Empty(grid, b) || (PeerSet(a) & PeerSet(b) & fewDigits).Empty())
                continue;
            Exclusion exclusion(grid, {a, b}, fewDigits);
            if (!exclusion.CanExclude())
                continue;
            if (auto step = exclusion.Find(Technique::AlignedPairExclusion))
                return step;
        }
    }
    return std::nullopt;
}

std::optional<Step> FindAlignedTripleExclusion(const CandidateGrid& grid)
{
    // Three cells of which one sees the other two, in increasing order.
    const CellSet fewDigits = FewDigitCells(grid);
    CellSet empty;
    for (int cell = 0; cell < 81; ++cell)
        if (Empty(grid, cell))
            empty.Add(cell);
    for (const int a : empty) {
        for (const int b : empty) {
            if (b <= a)
                continue;
            // Past a and b, c sees both, or one of them when they see each other.
            const CellSet both = PeerSet(a) & PeerSet(b);
            const CellSet thirds = Sees(a, b) ? PeerSet(a) | PeerSet(b) : both;
            for (const int c : empty & thirds) {
                if (c <= b || ((both | (PeerSet(c) & (PeerSet(a) | PeerSet(b)))) & fewDigits).Empty())
                    continue;
                Exclusion exclusion(grid, {a, b, c}, fewDigits);
                if (!exclusion.CanExclude())
                    continue;
                if (auto step = exclusion.Find(Technique::AlignedTripleExclusion))
                    return step;
            }
        }
    }
    return std::nullopt;
}
