// Everything that follows from one assumption about a candidate, with the reasons: the engine of the
// forcing chains.
#pragma once

#include "CandidateGrid.h"
#include "ChainGraph.h"
#include "SolveStep.h"
#include "StepTechniques.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// What may follow from what, from the plainest rules up.
enum class ForcingRules {
    OneDigit,     // Nishio: one digit's places in its units, nothing about cells
    Static,       // strong links of the grid as it is, as in alternating chains
    Dynamic,      // the last digit of a cell and the last place of a digit as the assumptions leave them
    DynamicPlus,  // and, where nothing else follows, intersections, subsets and fish
    Nested,       // and, past those, a forcing chain of a lower level
};

// Finds a chain of size at most `longest` on a board, for the links of nested chains.
using NestedFinder = std::optional<Step> (*)(const CandidateGrid& grid, int longest);

// A derivation from an assumption. Each derived literal keeps the literals it follows from,
// so that its ancestors are the chain that proves it.
class ForcingPropagation {
public:
    // `nested`: with ForcingRules::Nested, what finds the chains that serve as links.
    ForcingPropagation(const CandidateGrid& grid, ForcingRules rules, NestedFinder nested = nullptr);

    // Derives what follows from `assumption` until nothing more does or a contradiction turns
    // up; true on a contradiction. Only proofs of at most `longest` in size matter: a literal
    // whose proof would be longer is not derived.
    bool Run(int assumption, int longest = 1 << 20);

    bool Derived(int literal) const { return m_stamp[literal] == m_round; }
    // True when `literal` was derived by the last run from its assumption, not from a pattern
    // that the grid showed without it.
    bool FollowsFromAssumption(int literal) const { return Derived(literal) && m_derivations[literal].fromAssumption; }
    // Every literal derived by the last run, in the order derived (the assumption first).
    const std::vector<int>& Order() const { return m_order; }
    // The contradiction of the last run, empty when none: a literal derived both ways (the
    // two), or the removals that leave a cell without a digit or a digit without a place in
    // a unit, which ContradictionCell or ContradictionUnit then names.
    const std::vector<int>& Contradiction() const { return m_contradiction; }
    int ContradictionCell() const { return m_contradictionCell; }
    int ContradictionUnit() const { return m_contradictionUnit; }

    // The size of the proof of `literals` (derived by the last run): their ancestors, each
    // counting 1, or for a link found by a nested chain that chain's size.
    int Size(const std::vector<int>& literals) const;
    // The same for each literal derived by the last run, indexed by literal (0 for the others).
    void SizeEach(std::vector<std::uint16_t>& sizes) const;
    // The links that prove `literals`, ancestors first, all in `branch`.
    std::vector<ChainLink> Links(const std::vector<int>& literals, int branch) const;
    // What the proof of `literals` relies on: cells with their last digit, digits with their
    // last place in a unit, and what the patterns and nested chains among them read.
    void ReadProof(const std::vector<int>& literals, Step& step) const;

private:
    struct Derivation {
        ChainReason reason = ChainReason::Assumed;
        std::int8_t unit = -1;
        Technique technique = Technique::FullHouse;
        int firstParent = 0;  // in m_parents
        int parentCount = 0;
        int weight = 1;       // the size it adds to a proof
        int pattern = -1;     // Pattern, Nested: the index of the step in m_patterns
        int order = 0;        // its place in m_order
        int depth = 0;        // the size of its longest line of ancestors, which its proof's size exceeds
        bool fromAssumption = true;  // the assumption is among its ancestors
    };

    // Derives `literal` from the literals m_pending holds.
    void Derive(int literal, ChainReason reason, int unit, int weight = 1, int pattern = -1,
                Technique technique = Technique::FullHouse);
    void Follow(int literal);
    void FollowOff(int cell, int digit);
    // Where nothing else follows: the removals of a pattern or nested chain on the board as
    // the derivation leaves it. False when none derives anything.
    bool ApplyPattern();
    // The nested chain on the board as the derivation leaves it, searched once per board and bound.
    std::optional<Step> NestedChain();
    template <typename Visit>
    void ForEachAncestor(const std::vector<int>& literals, Visit visit) const;

    const CandidateGrid& m_grid;
    ForcingRules m_rules;
    NestedFinder m_nested;

    // The derivation's state.
    std::array<CellSet, 10> m_live{};  // candidates not ruled out, by digit
    std::array<DigitMask, 81> m_liveDigits{};
    CandidateGrid m_board;             // the grid as the derivation leaves it, for the patterns
    PatternScope m_changed;            // the digits and units the derivation changed
    // The candidates as the pattern finders last searched them, and by finder where it found none since.
    std::array<DigitMask, 81> m_searched{};
    std::array<PatternScope, 11> m_clean{};
    std::vector<unsigned> m_stamp;     // the round in which each literal was derived
    std::vector<Derivation> m_derivations;
    std::vector<int> m_parents;
    std::vector<int> m_pending;        // the parents of the literal being derived
    std::vector<int> m_order;
    std::vector<Step> m_patterns;
    // Different assumptions often leave the same board, where the nested chain is the same.
    std::unordered_map<std::string, std::optional<Step>> m_nestedChains;
    std::vector<int> m_contradiction;
    int m_contradictionCell = -1;
    int m_contradictionUnit = -1;
    unsigned m_round = 0;
    int m_longest = 0;
    mutable std::vector<unsigned> m_visited;
    mutable std::vector<int> m_walk;
    mutable unsigned m_visit = 0;
};
