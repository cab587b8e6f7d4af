// The naked subset that a uniqueness pattern's extra digits form with other cells of a unit.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>
#include <vector>

struct ExtraDigitSubset {
    std::vector<int> cells;          // the other cells of the subset
    DigitMask digits = 0;            // the subset's digits
    std::vector<CellDigit> eliminations;
};

// When one of the `pattern` cells of `unit` must take one of `extras`, those cells act as one
// cell holding `extras`: the smallest naked subset it forms with 1-4 other empty cells of
// the unit that removes something. Nothing when there is none.
std::optional<ExtraDigitSubset> FindExtraDigitSubset(const CandidateGrid& grid, int unit, const std::vector<int>& pattern,
                                                     DigitMask extras);
