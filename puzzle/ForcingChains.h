// Nishio, cell and unit forcing chains, dynamic and nested forcing chains: conclusions drawn from
// everything that follows from assumptions.
#pragma once

#include "CandidateGrid.h"
#include "ForcingPropagation.h"
#include "SolveStep.h"

#include <optional>

// The ways a conclusion is drawn, as bits.
enum ForcingForm : unsigned {
    ContradictionForm = 1,  // an assumption that leads to a contradiction is false
    BothWaysForm = 2,       // what follows from a candidate and from its opposite holds
    EachDigitForm = 4,      // what follows from every digit of a cell holds
    EachPlaceForm = 8,      // what follows from every place of a digit in a unit holds
    AllForms = 15,
};

struct ForcingOptions {
    Technique technique;
    ForcingRules rules;
    unsigned forms;               // ForcingForm bits
    NestedFinder nested = nullptr;  // ForcingRules::Nested: what finds the chains used as links
};

// The conclusion with the smallest proof, rated below `below`.
std::optional<Step> FindForcingChains(const CandidateGrid& grid, const ForcingOptions& options, int below);
// The first conclusion found whose proof has a size of at most `longest`, for a nested chain's
// links, which need not be the smallest.
std::optional<Step> FindAnyForcingChain(const CandidateGrid& grid, const ForcingOptions& options, int longest);
