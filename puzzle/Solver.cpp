// SolveGrid: count completions up to two; with several, descend to the smallest.
#include "Solver.h"

#include "SolverBands.h"

#include <bit>

namespace {

// The plain order's budget of wrong turns: most grids with several completions reach their
// smallest within it; past it, the descent, whose cost does not depend on where the
// contradictions lie.
constexpr long long kPlainOrderBudget = 32;

// `fixed` holds the digits chosen so far for the cells before the current one (and what they
// force); `witness` is always one completion of `fixed`. At each open cell only digits below
// the witness's need a check: the witness's own digit is known to lead to a completion.
// At most 81 cells with at most 8 checks each.
void Descend(BandBoard fixed, Grid81 witness, Grid81& result, SolveStats& stats,
             SearchCounters& counters)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (!fixed.IsOpen(cell))
            continue;
        const int witnessDigit = witness[cell];
        const unsigned smaller = fixed.CandidateDigits(cell) & ((1u << (witnessDigit - 1)) - 1);
        bool chosen = false;
        for (unsigned left = smaller; left != 0 && !chosen; left &= left - 1) {
            BandBoard trial = fixed;
            if (!trial.Assign(cell, std::countr_zero(left) + 1))
                continue;
            ++stats.searches;
            if (CountCompletions(trial, 1, &witness, counters) == 1) {
                fixed = trial;
                chosen = true;
            }
        }
        // The witness agrees with every choice in `fixed`, so its digit cannot fail here.
        if (!chosen)
            fixed.Assign(cell, witnessDigit);
    }
    fixed.WriteDigits(result);
}

}  // namespace

bool SolveGrid(const Grid81& grid, Grid81& result)
{
    SolveStats stats;
    return SolveGrid(grid, result, stats);
}

// One completion is the smallest. With two or more, the plain order usually finds the
// smallest at once; the descent settles the rest.
bool SolveGrid(const Grid81& grid, Grid81& result, SolveStats& stats)
{
    stats = SolveStats{};
    BandBoard board;
    if (!board.Load(grid))
        return false;
    SearchCounters counters;
    Grid81 witness{};
    stats.searches = 1;
    const int count = CountCompletions(board, 2, &witness, counters);
    if (count > 1) {
        ++stats.searches;
        Grid81 smallest{};
        if (SmallestWithin(board, kPlainOrderBudget, smallest, counters) == 1)
            witness = smallest;
        else
            Descend(board, witness, witness, stats, counters);
    }
    stats.searchNodes = static_cast<int>(counters.nodes);
    stats.deepestFrame = counters.deepestFrame;
    if (count == 0)
        return false;
    result = witness;
    return true;
}
