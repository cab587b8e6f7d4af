// CountSolutions: the band-bitboard search, branching on a cell with the fewest candidates.
#include "SolutionCount.h"

#include "SolverBands.h"

namespace {

int Count(const Grid81& grid, int limit, Grid81* first)
{
    BandBoard board;
    if (limit < 1 || !board.Load(grid))
        return 0;
    SearchCounters counters;
    return CountCompletions(board, limit, first, counters);
}

}  // namespace

int CountSolutions(const Grid81& grid, int limit, Grid81& first) { return Count(grid, limit, &first); }

int CountSolutions(const Grid81& grid, int limit) { return Count(grid, limit, nullptr); }
