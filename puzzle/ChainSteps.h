// X-chains and XY-chains: alternating chains whose two ends cannot both lack the digit.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>

// The shortest chain of one kind that removes a candidate.
std::optional<Step> FindXChain(const CandidateGrid& grid, int below);
std::optional<Step> FindXYChain(const CandidateGrid& grid, int below);
