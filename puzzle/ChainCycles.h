// X-cycles, XY-cycles and alternating cycles: closed loops of alternating links, in which every
// weak link becomes a strong one, so its two candidates rule out what sees both.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>

// The easiest loop of `technique` over the links `kinds` (LinkKind bits) rated below `below`.
std::optional<Step> FindCycle(const CandidateGrid& grid, Technique technique, unsigned kinds, int below);
