// The plain search: one working copy per call, recursion one empty cell deep per call.
#include "ReferenceSolver.h"

#include "Placement.h"

namespace {

struct SearchRun {
    long long callCap;
    long long calls = 0;
    bool gaveUp = false;
    Grid81 solution{};
};

bool Search(Grid81 working, SearchRun& run)
{
    if (++run.calls > run.callCap) {
        run.gaveUp = true;
        return false;
    }
    int empty = 0;
    while (empty < 81 && working[empty] != 0)
        ++empty;
    if (empty == 81) {
        run.solution = working;
        return true;
    }
    for (int digit = 1; digit <= 9 && !run.gaveUp; ++digit) {
        working[empty] = digit;
        if (IsPlacementValid(working, empty / 9, empty % 9) && Search(working, run))
            return true;
    }
    return false;
}

}  // namespace

ReferenceResult ReferenceSolve(const Grid81& grid, long long callCap)
{
    SearchRun run{callCap};
    const bool solved = Search(grid, run);
    ReferenceResult result;
    result.calls = run.calls;
    if (run.gaveUp)
        result.outcome = ReferenceOutcome::GaveUp;
    else if (solved) {
        result.outcome = ReferenceOutcome::Solved;
        result.grid = run.solution;
    }
    return result;
}
