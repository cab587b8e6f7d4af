// The step solver's techniques in one table: each one's name, difficulty and finder, easiest first.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"
#include "TechniqueTexts.h"

#include <optional>
#include <span>
#include <string_view>

// A finder returns its technique's easiest step on `grid` (the first of the easiest), or
// nothing; it may leave out the steps of difficulty `below` and up, which an easier step
// found before makes uninteresting.
using Finder = std::optional<Step> (*)(const CandidateGrid& grid, int below);

struct TechniqueInfo {
    Technique technique;
    std::string_view name;       // as a player reads it
    int difficulty;              // in tenths; the smallest for the techniques that grow with size
    Finder find;
    Describer describe;          // the step in a player's words, after the technique's name
    bool needsUniqueSolution;    // sound only on a grid with exactly one completion
};

// Every technique, in the order of Technique, which is that of their base difficulty.
std::span<const TechniqueInfo> TechniqueTable();
const TechniqueInfo& InfoOf(Technique technique);
