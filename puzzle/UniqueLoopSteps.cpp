// Unique rectangles and loops: two digits must not be left to swap in a loop of cells, or the grid
// would have two solutions.
//
// A deadly loop is a set of cells holding both digits a and b in which every row, column and
// box holds none or two of the cells, and the cells alternate around the loop so that each of
// those units holds one of each colour. Were a and b all its cells could take, swapping them
// would give a second solution; on a grid with exactly one, some cell of the loop must take
// another digit (an "extra"), which is what the four types read.
#include "ExtraDigitSubset.h"
#include "GridUnits.h"
#include "StepTechniques.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr int LongestLoop = 10;

struct DeadlyLoop {
    std::vector<int> cells;  // in loop order
    int a = 0;
    int b = 0;
};

// Every unit that holds a cell of the loop holds two, of different colours.
bool IsDeadly(const std::vector<int>& cells)
{
    std::array<int, UnitCount> count{};
    std::array<int, UnitCount> colours{};
    for (size_t i = 0; i < cells.size(); ++i) {
        for (const int unit : UnitsOfCell(cells[i])) {
            ++count[unit];
            colours[unit] += int(i % 2) + 1;
        }
    }
    for (int unit = 0; unit < UnitCount; ++unit)
        if (count[unit] != 0 && (count[unit] != 2 || colours[unit] != 3))
            return false;
    return true;
}

// Walks the loops of two digits a and b through the cells that hold both, from each cell to
// one it sees, no unit taking a third cell. Only loops that the four types can read go on:
// those with one or two cells of extra digits, or with more that all have the same one extra.
class LoopSearch {
public:
    LoopSearch(const CandidateGrid& grid, int a, int b, int shortest, int longest,
               const std::function<void(const DeadlyLoop&)>& visit)
        : m_grid(grid), m_loop{{}, a, b}, m_pair(DigitMask(DigitBit(a) | DigitBit(b))), m_shortest(shortest),
          m_longest(longest), m_visit(visit)
    {
        m_cells = grid.CellsWith(a) & grid.CellsWith(b);
        // All but two cells of a loop have at most one extra digit; a loop starts from the
        // smallest of those.
        for (const int cell : m_cells)
            if (CountDigits(grid.Candidates(cell)) <= 3)
                m_nearlyPairs.Add(cell);
        if (m_nearlyPairs.Count() < shortest - 2)
            return;
        for (const int first : m_nearlyPairs)
            Extend(first);
    }

private:
    void Extend(int cell)
    {
        for (const int unit : UnitsOfCell(cell))
            if (m_inUnit[unit] == 2)
                return;
        const DigitMask extra = DigitMask(m_grid.Candidates(cell) & ~m_pair);
        const bool single = CountDigits(extra) == 1 && (m_extraCells == 0 || m_sameExtra == extra);
        // Past one extra cell, the extra cells must share their one extra digit, or be two
        // in one unit.
        if (extra != 0 && !single && (m_extraCells >= 2 || (m_extraCells == 1 && !Sees(m_firstExtra, cell))))
            return;
        const DigitMask sameBefore = m_sameExtra;
        if (extra != 0) {
            if (m_extraCells++ == 0)
                m_firstExtra = cell;
            m_sameExtra = single ? extra : 0;
        }
        m_loop.cells.push_back(cell);
        for (const int unit : UnitsOfCell(cell))
            ++m_inUnit[unit];
        const int length = int(m_loop.cells.size());
        if (length >= m_shortest && length % 2 == 0 && Sees(cell, m_loop.cells.front()) && IsDeadly(m_loop.cells))
            m_visit(m_loop);
        if (length < m_longest) {
            for (const int next : m_cells & PeerSet(cell))
                if ((next > m_loop.cells.front() || !m_nearlyPairs.Has(next))
                    && std::find(m_loop.cells.begin(), m_loop.cells.end(), next) == m_loop.cells.end())
                    Extend(next);
        }
        for (const int unit : UnitsOfCell(cell))
            --m_inUnit[unit];
        m_loop.cells.pop_back();
        if (extra != 0) {
            --m_extraCells;
            m_sameExtra = sameBefore;
        }
    }

    const CandidateGrid& m_grid;
    DeadlyLoop m_loop;
    DigitMask m_pair;
    int m_shortest;
    int m_longest;
    const std::function<void(const DeadlyLoop&)>& m_visit;
    CellSet m_cells;
    CellSet m_nearlyPairs;  // cells with at most one extra digit
    std::array<int, UnitCount> m_inUnit{};
    int m_extraCells = 0;
    int m_firstExtra = -1;
    DigitMask m_sameExtra = 0;  // the one extra digit that all extra cells so far share, else 0
};

// Calls `visit` with every deadly loop of `shortest` to `longest` cells that the four types
// can read.
void ForEachDeadlyLoop(const CandidateGrid& grid, int shortest, int longest, const std::function<void(const DeadlyLoop&)>& visit)
{
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            LoopSearch(grid, a, b, shortest, longest, visit);
}

// A unit that holds all of `cells`, or -1.
int CommonUnit(const std::vector<int>& cells)
{
    for (const int unit : UnitsOfCell(cells.front())) {
        bool all = true;
        for (const int cell : cells)
            all = all && UnitSet(unit).Has(cell);
        if (all)
            return unit;
    }
    return -1;
}

class LoopReader {
public:
    LoopReader(const CandidateGrid& grid, const DeadlyLoop& loop) : m_grid(grid), m_loop(loop)
    {
        m_pair = DigitMask(DigitBit(loop.a) | DigitBit(loop.b));
        for (const int cell : loop.cells)
            if ((grid.Candidates(cell) & ~m_pair) != 0)
                m_extraCells.push_back(cell);
    }

    // The easiest of the four types that removes something.
    std::optional<Step> Read() const
    {
        if (m_extraCells.empty())
            return std::nullopt;  // a grid with no completion or several
        if (m_extraCells.size() == 1)
            return TypeOne();
        std::optional<Step> best;
        for (auto reader : {&LoopReader::TypeTwo, &LoopReader::TypeFour, &LoopReader::TypeThree}) {
            std::optional<Step> step = (this->*reader)();
            if (step && (!best || step->difficulty < best->difficulty))
                best = std::move(step);
        }
        return best;
    }

private:
    Step Base(int added) const
    {
        Step step;
        const bool rectangle = m_loop.cells.size() == 4;
        step.technique = rectangle ? Technique::UniqueRectangle : Technique::UniqueLoop;
        // Longer loops are harder to see.
        step.difficulty = BaseDifficulty(step.technique) + added + (rectangle ? 0 : int(m_loop.cells.size() - 6) / 2);
        step.cells = m_loop.cells;
        step.digits = {m_loop.a, m_loop.b};
        for (const int cell : m_loop.cells)
            ReadCell(step, cell);
        return step;
    }

    std::optional<Step> TypeOne() const
    {
        Step step = Base(0);
        const int cell = m_extraCells.front();
        for (const int digit : {m_loop.a, m_loop.b})
            step.eliminations.push_back({cell, digit});
        return step;
    }

    // Every extra cell has one extra digit, the same: one of them holds it.
    std::optional<Step> TypeTwo() const
    {
        const DigitMask extra = DigitMask(m_grid.Candidates(m_extraCells.front()) & ~m_pair);
        if (CountDigits(extra) != 1)
            return std::nullopt;
        CellSet seen = PeerSet(m_extraCells.front());
        for (const int cell : m_extraCells) {
            if ((m_grid.Candidates(cell) & ~m_pair) != extra)
                return std::nullopt;
            seen &= PeerSet(cell);
        }
        const int digit = LowestDigit(extra);
        Step step = Base(0);
        step.digits.push_back(digit);
        for (const int cell : seen & m_grid.CellsWith(digit))
            step.eliminations.push_back({cell, digit});
        if (step.eliminations.empty())
            return std::nullopt;
        return step;
    }

    // Two extra cells in one unit, where one loop digit has no other place: the other loop
    // digit cannot go in either.
    std::optional<Step> TypeFour() const
    {
        if (m_extraCells.size() != 2)
            return std::nullopt;
        const int unit = CommonUnit(m_extraCells);
        if (unit < 0)
            return std::nullopt;
        CellSet pair = CellSet::Of(m_extraCells[0]) | CellSet::Of(m_extraCells[1]);
        for (const auto& [locked, removed] : {std::pair(m_loop.a, m_loop.b), std::pair(m_loop.b, m_loop.a)}) {
            if ((m_grid.CellsWith(locked) & UnitSet(unit)) != pair)
                continue;
            Step step = Base(0);
            step.units = {unit};
            ReadDigit(step, locked, UnitSet(unit));
            for (const int cell : m_extraCells)
                step.eliminations.push_back({cell, removed});
            return step;
        }
        return std::nullopt;
    }

    // The extra cells lie in one unit and their extra digits, with other cells of that unit,
    // form a naked subset: the extra cells act as one cell of the subset.
    std::optional<Step> TypeThree() const
    {
        DigitMask extras = 0;
        for (const int cell : m_extraCells)
            extras |= DigitMask(m_grid.Candidates(cell) & ~m_pair);
        std::optional<Step> best;
        for (const int unit : UnitsOfCell(m_extraCells.front())) {
            if (!std::all_of(m_extraCells.begin(), m_extraCells.end(), [unit](int cell) { return UnitSet(unit).Has(cell); }))
                continue;
            const std::optional<ExtraDigitSubset> subset = FindExtraDigitSubset(m_grid, unit, m_loop.cells, extras);
            if (!subset)
                continue;
            Step step = Base(int(subset->cells.size()));
            step.units = {unit};
            step.otherCells = subset->cells;
            for (const int cell : subset->cells)
                ReadCell(step, cell);
            for (const int digit : DigitsOf(subset->digits))
                step.digits.push_back(digit);
            step.eliminations = subset->eliminations;
            if (!best || step.difficulty < best->difficulty)
                best = std::move(step);
        }
        return best;
    }

    const CandidateGrid& m_grid;
    const DeadlyLoop& m_loop;
    DigitMask m_pair = 0;
    std::vector<int> m_extraCells;
};

std::optional<Step> FindLoop(const CandidateGrid& grid, int shortest, int longest)
{
    std::optional<Step> best;
    ForEachDeadlyLoop(grid, shortest, longest, [&](const DeadlyLoop& loop) {
        std::optional<Step> step = LoopReader(grid, loop).Read();
        if (step && (!best || step->difficulty < best->difficulty))
            best = std::move(step);
    });
    return best;
}

}  // namespace

std::optional<Step> FindUniqueRectangle(const CandidateGrid& grid) { return FindLoop(grid, 4, 4); }

std::optional<Step> FindUniqueLoop(const CandidateGrid& grid) { return FindLoop(grid, 6, LongestLoop); }
