// The direct variants of pointing, claiming and hidden subsets: the pattern with the single it leaves.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>

// `step` (pointing, claiming, hidden pair or hidden triple) as its direct variant when its
// removals leave a digit with one place in a unit of the kind the pattern is found in (a box
// for pointing, a line for claiming, its own unit for a subset): the step then places that
// digit instead of removing candidates. Nothing when they leave no such single.
std::optional<Step> MakeDirect(const CandidateGrid& grid, Step step);
