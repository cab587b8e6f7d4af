// The techniques of the step solver; each finds its first step on a grid, or nothing.
#pragma once

#include "CandidateGrid.h"
#include "SolveStep.h"

#include <optional>

// Singles, which place a digit.
std::optional<Step> FindFullHouse(const CandidateGrid& grid);
std::optional<Step> FindHiddenSingle(const CandidateGrid& grid, bool inBoxes);  // else rows and columns
std::optional<Step> FindNakedSingle(const CandidateGrid& grid);

// Box and line intersections.
std::optional<Step> FindPointing(const CandidateGrid& grid);
std::optional<Step> FindClaiming(const CandidateGrid& grid);

// Naked and hidden subsets of 2-4 cells. 2 <= size <= 4.
std::optional<Step> FindNakedSubset(const CandidateGrid& grid, int size);
std::optional<Step> FindHiddenSubset(const CandidateGrid& grid, int size);

// X-Wing (2), Swordfish (3), Jellyfish (4). 2 <= size <= 4.
std::optional<Step> FindFish(const CandidateGrid& grid, int size);

std::optional<Step> FindXYWing(const CandidateGrid& grid);
std::optional<Step> FindXYZWing(const CandidateGrid& grid);

// The shortest X-chain or XY-chain that removes a candidate (the easier of the two), and
// the shortest of one kind.
std::optional<Step> FindChain(const CandidateGrid& grid);
std::optional<Step> FindXChain(const CandidateGrid& grid);
std::optional<Step> FindXYChain(const CandidateGrid& grid);

// The first step of one technique, whether or not an easier one exists.
std::optional<Step> FindTechnique(const CandidateGrid& grid, Technique technique);

// The chain difficulty for a chain of `nodes` candidates, which grows with its length.
int ChainDifficulty(Technique technique, int nodes);
