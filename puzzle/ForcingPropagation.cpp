// Everything that follows from one assumption about a candidate, with the reasons: the engine of the
// forcing chains.
//
// The derivation runs breadth first. A literal that holds rules out the other digits of its
// cell and its digit in the cells it sees; a ruled-out literal may leave its cell one digit,
// or its digit one place in a unit (on the grid as the derivation leaves it, or, with static
// rules, only where the grid itself has two). Where nothing more follows, the richer rules try
// the patterns of the easier techniques on the board as it stands, then a nested forcing chain.
#include "ForcingPropagation.h"

#include "GridUnits.h"
#include "StepTechniques.h"

#include <algorithm>

namespace {

using PatternFinder = std::optional<Step> (*)(const CandidateGrid& grid, const PatternScope& scope);

template <int Size>
std::optional<Step> NakedSubset(const CandidateGrid& grid, const PatternScope& scope) { return FindNakedSubset(grid, Size, scope); }
template <int Size>
std::optional<Step> HiddenSubset(const CandidateGrid& grid, const PatternScope& scope) { return FindHiddenSubset(grid, Size, scope); }
template <int Size>
std::optional<Step> Fish(const CandidateGrid& grid, const PatternScope& scope) { return FindFish(grid, Size, scope); }

// The patterns that the richer rules use between links, easiest first.
constexpr PatternFinder Patterns[] = {
    FindPointing,    FindClaiming,    NakedSubset<2>, Fish<2>, HiddenSubset<2>, NakedSubset<3>,
    Fish<3>, HiddenSubset<3>, NakedSubset<4>, Fish<4>, HiddenSubset<4>,
};

}  // namespace

ForcingPropagation::ForcingPropagation(const CandidateGrid& grid, ForcingRules rules, NestedFinder nested)
    : m_grid(grid), m_rules(rules), m_nested(nested), m_board(grid), m_stamp(LiteralCount, 0), m_derivations(LiteralCount),
      m_visited(LiteralCount, 0)
{
}

bool ForcingPropagation::Run(int assumption, int longest)
{
    ++m_round;
    m_longest = longest;
    for (int digit = 1; digit <= 9; ++digit)
        m_live[digit] = m_grid.CellsWith(digit);
    for (int cell = 0; cell < 81; ++cell)
        m_liveDigits[cell] = m_grid.Candidates(cell);
    if (m_rules >= ForcingRules::DynamicPlus) {
        m_board = m_grid;
        for (int cell = 0; cell < 81; ++cell)
            m_searched[cell] = m_grid.Candidates(cell);
        m_clean.fill({0, 0});
    }
    m_order.clear();
    m_parents.clear();
    m_patterns.clear();
    m_contradiction.clear();
    m_contradictionCell = -1;
    m_contradictionUnit = -1;
    m_pending.clear();
    m_changed = {0, 0};
    Derive(assumption, ChainReason::Assumed, -1);
    for (size_t next = 0;;) {
        while (next < m_order.size() && m_contradiction.empty())
            Follow(m_order[next++]);
        if (!m_contradiction.empty())
            return true;
        if (m_rules < ForcingRules::DynamicPlus || !ApplyPattern())
            return false;
    }
}

void ForcingPropagation::Derive(int literal, ChainReason reason, int unit, int weight, int pattern, Technique technique)
{
    if (Derived(literal) || !m_contradiction.empty())
        return;
    int depth = 0;
    bool fromAssumption = m_order.empty();
    for (const int parent : m_pending) {
        depth = std::max(depth, m_derivations[parent].depth);
        fromAssumption = fromAssumption || m_derivations[parent].fromAssumption;
    }
    depth += weight;
    if (depth > m_longest)
        return;
    m_stamp[literal] = m_round;
    m_derivations[literal] = {reason, std::int8_t(unit), technique, int(m_parents.size()), int(m_pending.size()),
                              weight, pattern,           int(m_order.size()), depth, fromAssumption};
    m_parents.insert(m_parents.end(), m_pending.begin(), m_pending.end());
    m_order.push_back(literal);
    const int cell = CellOfLiteral(literal);
    const int digit = DigitOfLiteral(literal);
    m_changed.digits |= 1u << digit;
    for (const int unit : UnitsOfCell(cell))
        m_changed.units |= 1u << unit;
    if (Holds(literal)) {
        if (m_rules >= ForcingRules::DynamicPlus && m_board.Value(cell) == 0)
            m_board.Place(cell, digit);
    } else {
        m_live[digit].Remove(cell);
        m_liveDigits[cell] &= DigitMask(~DigitBit(digit));
        if (m_rules >= ForcingRules::DynamicPlus)
            m_board.Eliminate(cell, digit);
    }
    if (Derived(Negated(literal)))
        m_contradiction = {Negated(literal), literal};
}

void ForcingPropagation::Follow(int literal)
{
    const int cell = CellOfLiteral(literal);
    const int digit = DigitOfLiteral(literal);
    if (!Holds(literal)) {
        FollowOff(cell, digit);
        return;
    }
    m_pending.assign(1, literal);
    if (m_rules != ForcingRules::OneDigit) {
        for (int other = 1; other <= 9; ++other)
            if (other != digit && (m_liveDigits[cell] & DigitBit(other)) != 0)
                Derive(Literal(cell, other, false), ChainReason::SameCell, -1);
    }
    for (const int peer : m_live[digit] & PeerSet(cell))
        Derive(Literal(peer, digit, false), ChainReason::SeesDigit, -1);
}

void ForcingPropagation::FollowOff(int cell, int digit)
{
    const bool dynamic = m_rules != ForcingRules::Static;
    // The cell's last digit: at most one left.
    const DigitMask left = m_liveDigits[cell];
    if (m_rules != ForcingRules::OneDigit && (left & (left - 1)) == 0
        && (dynamic || CountDigits(m_grid.Candidates(cell)) == 2)) {
        m_pending.clear();
        for (int other = 1; other <= 9; ++other)
            if ((m_grid.Candidates(cell) & ~left & DigitBit(other)) != 0)
                m_pending.push_back(Literal(cell, other, false));
        if (left != 0) {
            Derive(Literal(cell, LowestDigit(left), true), ChainReason::LastDigit, -1);
        } else if (m_contradiction.empty()) {
            m_contradiction = m_pending;
            m_contradictionCell = cell;
        }
    }
    // The digit's last place in each unit of the cell.
    for (const int unit : UnitsOfCell(cell)) {
        const CellSet places = m_live[digit] & UnitSet(unit);
        if (!places.AtMostOne())
            continue;
        const CellSet given = m_grid.CellsWith(digit) & UnitSet(unit);
        if (!dynamic && given.Count() != 2)
            continue;
        m_pending.clear();
        for (const int other : given - places)
            m_pending.push_back(Literal(other, digit, false));
        if (places.Any()) {
            Derive(Literal(places.First(), digit, true), ChainReason::LastPlace, unit);
        } else if (!given.Empty() && m_contradiction.empty()) {
            m_contradiction = m_pending;
            m_contradictionUnit = unit;
        }
    }
}

bool ForcingPropagation::ApplyPattern()
{
    // The grid the derivation starts from shows no pattern (the easier techniques come first),
    // so new ones form only where the derivation changed something.
    // Nor do they form again where a finder found none and nothing changed since.
    PatternScope changedSince{0, 0};
    for (int cell = 0; cell < 81; ++cell) {
        const DigitMask changed = m_searched[cell] ^ m_board.Candidates(cell);
        if (changed == 0)
            continue;
        m_searched[cell] = m_board.Candidates(cell);
        changedSince.digits |= changed;
        for (const int unit : UnitsOfCell(cell))
            changedSince.units |= 1u << unit;
    }
    for (PatternScope& clean : m_clean) {
        clean.digits &= ~changedSince.digits;
        clean.units &= ~changedSince.units;
    }
    static_assert(std::size(Patterns) == std::tuple_size_v<decltype(m_clean)>);
    std::optional<Step> step;
    for (size_t i = 0; i < std::size(Patterns) && !step; ++i) {
        PatternScope& clean = m_clean[i];
        const PatternScope scope{m_changed.digits & ~clean.digits, m_changed.units & ~clean.units};
        if (!(step = Patterns[i](m_board, scope))) {
            clean.digits |= scope.digits;
            clean.units |= scope.units;
        }
    }
    ChainReason reason = ChainReason::Pattern;
    if (!step && m_rules == ForcingRules::Nested && m_longest > 1) {
        // Its removals follow from at least one removal of the derivation's own.
        step = NestedChain();
        reason = ChainReason::Nested;
    }
    if (!step)
        return false;
    // It follows from the removals the derivation made among what it reads.
    m_pending.clear();
    for (int digit = 1; digit <= 9; ++digit)
        for (const int cell : step->reads[digit] & (m_grid.CellsWith(digit) - m_live[digit]))
            m_pending.push_back(Literal(cell, digit, false));
    const int weight = reason == ChainReason::Nested ? std::max(1, step->size) : 1;
    const int index = int(m_patterns.size());
    const size_t derived = m_order.size();
    const int unit = step->units.empty() ? -1 : step->units.front();
    for (const CellDigit& removed : step->eliminations)
        Derive(Literal(removed.cell, removed.digit, false), reason, unit, weight, index, step->technique);
    for (const CellDigit& placed : step->placements)
        Derive(Literal(placed.cell, placed.digit, true), reason, unit, weight, index, step->technique);
    m_patterns.push_back(std::move(*step));
    // A pattern whose removals all lie past the longest proof that matters ends the search.
    return m_order.size() > derived;
}

std::optional<Step> ForcingPropagation::NestedChain()
{
    std::string board;
    board.reserve(3 * 81 + sizeof m_longest);
    for (int cell = 0; cell < 81; ++cell) {
        const DigitMask candidates = m_board.Candidates(cell);
        board += {char(m_board.Value(cell)), char(candidates & 0xFF), char(candidates >> 8)};
    }
    board.append(reinterpret_cast<const char*>(&m_longest), sizeof m_longest);
    const auto [known, added] = m_nestedChains.try_emplace(std::move(board));
    if (added)
        known->second = m_nested(m_board, m_longest - 1);
    return known->second;
}

template <typename Visit>
void ForcingPropagation::ForEachAncestor(const std::vector<int>& literals, Visit visit) const
{
    ++m_visit;
    m_walk.clear();
    for (const int literal : literals) {
        if (m_visited[literal] != m_visit) {
            m_visited[literal] = m_visit;
            m_walk.push_back(literal);
        }
    }
    while (!m_walk.empty()) {
        const int literal = m_walk.back();
        m_walk.pop_back();
        visit(literal);
        const Derivation& derivation = m_derivations[literal];
        for (int i = 0; i < derivation.parentCount; ++i) {
            const int parent = m_parents[size_t(derivation.firstParent + i)];
            if (m_visited[parent] != m_visit) {
                m_visited[parent] = m_visit;
                m_walk.push_back(parent);
            }
        }
    }
}

int ForcingPropagation::Size(const std::vector<int>& literals) const
{
    int size = 0;
    ForEachAncestor(literals, [&](int literal) { size += m_derivations[literal].weight; });
    return size;
}

void ForcingPropagation::SizeEach(std::vector<std::uint16_t>& sizes) const
{
    // In the order derived, each literal's ancestors are its parents' and itself.
    constexpr int Words = (LiteralCount + 63) / 64;
    std::vector<std::array<std::uint64_t, Words>> ancestors(m_order.size());
    bool weighted = false;
    for (size_t i = 0; i < m_order.size(); ++i) {
        const int literal = m_order[i];
        const Derivation& derivation = m_derivations[literal];
        auto& set = ancestors[i];
        set.fill(0);
        set[size_t(literal / 64)] |= std::uint64_t(1) << (literal % 64);
        for (int p = 0; p < derivation.parentCount; ++p) {
            const auto& parent = ancestors[size_t(m_derivations[m_parents[size_t(derivation.firstParent + p)]].order)];
            for (int w = 0; w < Words; ++w)
                set[size_t(w)] |= parent[size_t(w)];
        }
        weighted = weighted || derivation.weight != 1;
        if (weighted) {
            sizes[size_t(literal)] = std::uint16_t(Size({literal}));
            continue;
        }
        int count = 0;
        for (const std::uint64_t word : set)
            count += BitCount(word);
        sizes[size_t(literal)] = std::uint16_t(count);
    }
}

std::vector<ChainLink> ForcingPropagation::Links(const std::vector<int>& literals, int branch) const
{
    std::vector<int> ancestors;
    ForEachAncestor(literals, [&](int literal) { ancestors.push_back(literal); });
    std::sort(ancestors.begin(), ancestors.end(),
              [this](int a, int b) { return m_derivations[a].order < m_derivations[b].order; });
    std::vector<ChainLink> links;
    for (const int literal : ancestors) {
        const Derivation& derivation = m_derivations[literal];
        ChainLink link = LinkOf(literal, derivation.reason, derivation.unit, branch);
        link.technique = derivation.technique;
        links.push_back(link);
    }
    return links;
}

void ForcingPropagation::ReadProof(const std::vector<int>& literals, Step& step) const
{
    ForEachAncestor(literals, [&](int literal) {
        const Derivation& derivation = m_derivations[literal];
        if (derivation.reason == ChainReason::LastDigit)
            ReadCell(step, CellOfLiteral(literal));
        else if (derivation.reason == ChainReason::LastPlace)
            ReadDigit(step, DigitOfLiteral(literal), UnitSet(derivation.unit));
        else if (derivation.pattern >= 0)
            for (int digit = 1; digit <= 9; ++digit)
                step.reads[digit] |= m_patterns[size_t(derivation.pattern)].reads[digit];
    });
}
