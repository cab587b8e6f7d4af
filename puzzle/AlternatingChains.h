// X-chains, XY-chains and alternating chains: a chain of links from an assumption about one candidate
// back to its opposite, which proves the opposite.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>

// The easiest chain of `technique` over the links `kinds` (LinkKind bits) rated below `below`.
std::optional<Step> FindForcingChain(const CandidateGrid& grid, Technique technique, unsigned kinds, int below);
// The shortest chain if its size is at most `longest`, for the links of nested chains.
std::optional<Step> FindFirstChain(const CandidateGrid& grid, Technique technique, unsigned kinds, int longest);
