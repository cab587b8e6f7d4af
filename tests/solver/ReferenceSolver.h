// The plain row-major backtracking search that SolveGrid must agree with; tests and benchmarks only.
#pragma once

#include "Grid81.h"

enum class ReferenceOutcome { Solved, NoAnswer, GaveUp };

struct ReferenceResult {
    ReferenceOutcome outcome = ReferenceOutcome::NoAnswer;
    Grid81 grid{};          // the completion when Solved
    long long calls = 0;    // calls of the search, including the one that gave up
};

// First empty cell in row-major order, digits 1-9 ascending, IsPlacementValid after each
// write, a full grid counts as solved unchecked. Gives up once more than `callCap` calls.
ReferenceResult ReferenceSolve(const Grid81& grid, long long callCap);
