// One step of reasoning as a person makes it: the technique, what it looks at and what it changes.
#pragma once

#include "CellSet.h"

#include <array>
#include <string_view>
#include <vector>

// The techniques of the step solver in the order it tries them, which is the order of their
// base difficulty (TechniqueTable.cpp holds their names, difficulties and finders).
enum class Technique {
    FullHouse,
    HiddenSingleInBox,
    HiddenSingleInLine,
    DirectPointing,
    DirectClaiming,
    DirectHiddenPair,
    NakedSingle,
    DirectHiddenTriple,
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
    UniqueRectangle,
    UniqueLoop,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    BivalueUniversalGrave,
    AlignedPairExclusion,
    XCycle,
    XYCycle,
    XChain,
    XYChain,
    AlternatingCycle,
    AlternatingChain,
    AlignedTripleExclusion,
    Nishio,
    CellForcingChains,
    UnitForcingChains,
    DynamicForcingChains,
    DynamicForcingChainsPlus,
    NestedForcingChains,
    NestedMultipleForcingChains,
    NestedDynamicForcingChains,
    NestedDynamicForcingChainsPlus,
};

// "X-Wing", "naked pair", ... as a player reads it.
std::string_view TechniqueName(Technique technique);
// The difficulty in tenths (32 for 3.2); for the techniques whose difficulty grows with their
// size, the smallest one's.
int BaseDifficulty(Technique technique);

struct CellDigit {
    int cell = 0;   // Grid81 index
    int digit = 0;  // 1-9
    bool operator==(const CellDigit&) const = default;
};

// Candidates by digit: the cells of entry d for the digit d (entry 0 unused).
using CandidateMap = std::array<CellSet, 10>;

// Why a candidate of a chain holds or not, given the links before it.
enum class ChainReason {
    Assumed,    // the assumption its branch starts from
    SameCell,   // off: its cell holds another digit
    SeesDigit,  // off: a cell it sees holds its digit
    LastDigit,  // on: the only digit its cell has left
    LastPlace,  // on: the only place its digit has left in `unit`
    Pattern,    // off: a technique (`technique`) on the branch's board removes it
    Nested,     // off: a chain nested in this one (of `technique`) removes it
};

// One link of a chain: a candidate that holds (`holds`) or is ruled out, and why.
struct ChainLink {
    CellDigit candidate;
    bool holds = false;
    ChainReason reason = ChainReason::Assumed;
    int unit = -1;                            // LastPlace: the unit; Pattern: the unit it works in
    Technique technique = Technique::FullHouse;  // Pattern, Nested
    int branch = 0;                           // the branch it belongs to, from 0
    bool operator==(const ChainLink&) const = default;
};

// How a chain proves its conclusion.
enum class ChainShape {
    EitherEnd,      // one of the two ends of an alternating chain holds the digit
    Loop,           // a closed loop: every weak link becomes a strong one
    Contradiction,  // the assumption leads to a contradiction, so it is false
    BothWays,       // the assumption and its opposite lead to the same conclusion
    EachDigit,      // each digit of a cell leads to the same conclusion
    EachPlace,      // each place of a digit in a unit leads to the same conclusion
};

// What each list holds depends on the technique:
// - singles: the cell, its digit and (but for the naked single) the unit it is found in;
// - pointing and claiming: the digit's cells in the first unit, which lie in the second;
// - direct pointing, claiming and hidden subsets: as the plain ones, then last the cell
//   placed, its digit and the unit where it becomes the only place;
// - subsets: the subset's cells and digits in their unit;
// - fish: the digit's cells in the base lines; units: the base lines, then the cover lines;
// - XY-Wing and XYZ-Wing: the pivot, then the two pincers; digits x, y, then z, the one
//   removed;
// - unique rectangles and loops: the loop's cells in order; digits: its two, then the extra
//   digit (type 2) or the digits of the naked subset (type 3); units: the unit where the
//   extra cells lie (types 3 and 4);
// - bivalue universal grave: the cells with a third digit and those digits;
// - aligned exclusions: the aligned cells, then the cells whose digits rule out combinations;
// - chains: `chain` holds the links branch by branch and `shape` how they prove the result;
//   cells: for EachDigit the cell, digits: for EachPlace the digit, units: its unit.
struct Step {
    Technique technique = Technique::FullHouse;
    int difficulty = 0;  // tenths: 23 means 2.3
    int size = 0;        // chains: the size that rates them
    std::vector<int> cells;
    std::vector<int> digits;
    std::vector<int> units;  // see GridUnits.h
    // Cells the pattern needs beside its own: the cells that complete a naked subset with a
    // unique loop's extra digits, the cells that rule out combinations of aligned cells.
    std::vector<int> otherCells;
    std::vector<CellDigit> placements;
    std::vector<CellDigit> eliminations;
    // The candidates whose absence the step relies on: an earlier step that removed one of
    // them is needed for this one.
    CandidateMap reads{};
    ChainShape shape = ChainShape::EitherEnd;
    std::vector<ChainLink> chain;
};
