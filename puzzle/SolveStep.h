// One step of reasoning as a person makes it: the technique, what it looks at and what it changes.
#pragma once

#include <string_view>
#include <vector>

// In order of difficulty; the chains' difficulty also grows with their length.
enum class Technique {
    FullHouse,
    HiddenSingleInBox,
    HiddenSingleInLine,
    NakedSingle,
    Pointing,
    Claiming,
    NakedPair,
    XWing,
    HiddenPair,
    NakedTriple,
    Swordfish,
    HiddenTriple,
    XYWing,
    XYZWing,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    XChain,
    XYChain,
};

// "X-Wing", "naked pair", ... as a player reads it.
std::string_view TechniqueName(Technique technique);
// The difficulty in tenths (32 for 3.2); for the chains the shortest one's.
int BaseDifficulty(Technique technique);

struct CellDigit {
    int cell = 0;   // Grid81 index
    int digit = 0;  // 1-9
    bool operator==(const CellDigit&) const = default;
};

// What each list holds depends on the technique:
// - singles: the cell, its digit and (but for the naked single) the unit it is found in;
// - pointing and claiming: the digit's cells in the first unit, which lie in the second;
// - subsets: the subset's cells and digits in their unit;
// - fish: the digit's cells in the base lines; units: the base lines, then the cover lines;
// - XY-Wing and XYZ-Wing: the pivot, then the two pincers; digits x, y, then z, the one
//   removed;
// - X-chain: the chain's cells in order, the digit, and the unit of each link in order
//   (the first, third, ... links are the strong ones);
// - XY-chain: the chain's cells in order; digits: the one removed, then the digit that
//   links each cell to the next.
struct Step {
    Technique technique = Technique::FullHouse;
    int difficulty = 0;  // tenths: 23 means 2.3
    std::vector<int> cells;
    std::vector<int> digits;
    std::vector<int> units;  // see GridUnits.h
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
};
