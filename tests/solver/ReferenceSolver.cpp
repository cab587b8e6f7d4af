// The plain search: one working copy per call, recursion one empty cell deep per call.
#include "ReferenceSolver.h"

#include "Placement.h"

#include <algorithm>

namespace {

// Sets `run.outcome` to Solved (with the grid) or GaveUp; it stays NoAnswer otherwise.
bool Search(Grid81 working, long long callCap, ReferenceResult& run)
{
    if (++run.calls > callCap) {
        run.outcome = ReferenceOutcome::GaveUp;
        return false;
    }
    const int empty = int(std::find(working.begin(), working.end(), 0) - working.begin());
    if (empty == 81) {
        run.outcome = ReferenceOutcome::Solved;
        run.grid = working;
        return true;
    }
    for (int digit = 1; digit <= 9 && run.outcome != ReferenceOutcome::GaveUp; ++digit) {
        working[empty] = digit;
        if (IsPlacementValid(working, empty / 9, empty % 9) && Search(working, callCap, run))
            return true;
    }
    return false;
}

}  // namespace

ReferenceResult ReferenceSolve(const Grid81& grid, long long callCap)
{
    ReferenceResult result;
    Search(grid, callCap, result);
    return result;
}
