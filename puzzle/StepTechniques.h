// The finders of the step solver's techniques; each finds its first step on a grid, or nothing.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>
#include <vector>

// Singles, which place a digit.
std::optional<Step> FindFullHouse(const CandidateGrid& grid);
std::optional<Step> FindHiddenSingle(const CandidateGrid& grid, bool inBoxes);  // else rows and columns
std::optional<Step> FindNakedSingle(const CandidateGrid& grid);

// Where the pattern finders look: the digits (bit d) and units (bit u) in which a new pattern
// may have formed. Patterns of one digit look at the digits, subsets at the units.
struct PatternScope {
    unsigned digits = 0x3FE;
    unsigned units = (1u << 27) - 1;
};
inline constexpr PatternScope WholeGrid{};

// Box and line intersections.
std::optional<Step> FindPointing(const CandidateGrid& grid, const PatternScope& scope);
std::optional<Step> FindClaiming(const CandidateGrid& grid, const PatternScope& scope);

// Pointing, claiming and hidden pairs and triples that leave a hidden single at once.
std::optional<Step> FindDirectPointing(const CandidateGrid& grid);
std::optional<Step> FindDirectClaiming(const CandidateGrid& grid);
std::optional<Step> FindDirectHiddenSubset(const CandidateGrid& grid, int size);  // 2 <= size <= 3

// Naked and hidden subsets of 2-4 cells. 2 <= size <= 4.
std::optional<Step> FindNakedSubset(const CandidateGrid& grid, int size, const PatternScope& scope);
std::optional<Step> FindHiddenSubset(const CandidateGrid& grid, int size, const PatternScope& scope);

// X-Wing (2), Swordfish (3), Jellyfish (4). 2 <= size <= 4.
std::optional<Step> FindFish(const CandidateGrid& grid, int size, const PatternScope& scope);

std::optional<Step> FindXYWing(const CandidateGrid& grid);
std::optional<Step> FindXYZWing(const CandidateGrid& grid);

// Unique rectangles (four cells) and unique loops (six or more): sound only on a grid with
// exactly one completion.
std::optional<Step> FindUniqueRectangle(const CandidateGrid& grid);
std::optional<Step> FindUniqueLoop(const CandidateGrid& grid);

// The bivalue universal grave, on a grid with exactly one completion.
std::optional<Step> FindBivalueUniversalGrave(const CandidateGrid& grid);

// Aligned pair exclusion (two cells that see each other) and aligned triple exclusion.
std::optional<Step> FindAlignedPairExclusion(const CandidateGrid& grid);
std::optional<Step> FindAlignedTripleExclusion(const CandidateGrid& grid);

// The first step of one technique, whether or not an easier one exists.
std::optional<Step> FindTechnique(const CandidateGrid& grid, Technique technique);

// The difficulty of a technique of base difficulty `base` whose size (chain length) is
// `size`: 0.1 more each time the size passes 4, 6, 8, 12, 16, 24, 32, ...
int SizedDifficulty(int base, int size);

// Marks what a step relies on: every candidate of `cell`; `digit` in every cell of `cells`.
inline void ReadCell(Step& step, int cell)
{
    for (int digit = 1; digit <= 9; ++digit)
        step.reads[digit].Add(cell);
}
inline void ReadDigit(Step& step, int digit, const CellSet& cells) { step.reads[digit] |= cells; }

// The digits of `mask`, smallest first.
inline std::vector<int> DigitsOf(DigitMask mask)
{
    std::vector<int> digits;
    for (int digit = 1; digit <= 9; ++digit)
        if ((mask & DigitBit(digit)) != 0)
            digits.push_back(digit);
    return digits;
}
