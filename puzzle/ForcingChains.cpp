// Nishio, cell and unit forcing chains, dynamic and nested forcing chains: conclusions drawn from
// everything that follows from assumptions.
//
// Every candidate is assumed to hold, and (but for Nishio) not to hold, and the consequences
// derived. A contradiction refutes the assumption. What follows both from a candidate and from
// its opposite holds; so does what follows from each digit of a cell, or from each place of a
// digit in a unit. Each conclusion is rated by the size of its proof; the step is the
// conclusion of the smallest.
#include "ForcingChains.h"

#include "GridUnits.h"
#include "StepTechniques.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// How the scale sizes a proof: a contradiction by its literals but the assumption, a
// conclusion of several branches by all their literals less two.
constexpr int ContradictionOffset = -1;
constexpr int BranchOffset = -2;

struct Conclusion {
    ChainShape shape = ChainShape::Contradiction;
    std::vector<int> assumptions;  // one per branch
    int literal = -1;              // what follows; for a contradiction the refuted assumption's opposite
    int size = 0;
    int cell = -1;                 // EachDigit
    int unit = -1;                 // EachPlace
    int digit = 0;                 // EachPlace
};

constexpr int LiteralWords = (LiteralCount + 63) / 64;
using LiteralSet = std::array<std::uint64_t, LiteralWords>;

// What one assumption derived; where the derivation is dear to repeat, with the size of each
// literal's proof.
struct Consequences {
    LiteralSet derived{};
    std::vector<std::pair<int, int>> sizes;  // (literal, size), by literal
};

// A conclusion found before its size is known.
struct Candidate {
    Conclusion conclusion;
    int size = 0;  // summed over the branches as they become known
};

class ForcingSearch {
public:
    ForcingSearch(const CandidateGrid& grid, const ForcingOptions& options)
        : m_grid(grid), m_options(options), m_propagation(grid, options.rules, options.nested), m_sizes(LiteralCount, 0)
    {
    }

    std::optional<Step> Find(int below, bool first, int longest = 1 << 20)
    {
        m_below = below;
        m_first = first;
        m_longest = longest;
        const bool opposites = m_options.rules != ForcingRules::OneDigit
                            && (m_options.forms & (ContradictionForm | BothWaysForm)) != 0;
        const bool others = (m_options.forms & ~ContradictionForm) != 0;
        m_consequences.clear();
        m_recordedAt.assign(LiteralCount, -1);
        // The literals worth concluding: a candidate still open that holds, or one ruled out.
        for (int cell = 0; cell < 81; ++cell) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (!m_grid.Has(cell, digit))
                    continue;
                for (const int literal : {Literal(cell, digit, true), Literal(cell, digit, false)})
                    m_news[size_t(literal / 64)] |= std::uint64_t(1) << (literal % 64);
            }
        }
        for (int cell = 0; cell < 81 && !Done(); ++cell) {
            for (int digit = 1; digit <= 9 && !Done(); ++digit) {
                if (!m_grid.Has(cell, digit))
                    continue;
                for (const int assumption : {Literal(cell, digit, true), Literal(cell, digit, false)}) {
                    if (!Holds(assumption) && !opposites)
                        continue;
                    if (m_propagation.Run(assumption, Longest())) {
                        if ((m_options.forms & ContradictionForm) != 0)
                            Offer({ChainShape::Contradiction, {assumption}, Negated(assumption),
                                   m_propagation.Size(m_propagation.Contradiction()) + ContradictionOffset});
                    } else if (others) {
                        Record(assumption);
                    }
                }
            }
        }
        if (!Done() && opposites && (m_options.forms & BothWaysForm) != 0)
            FindBothWays();
        if (!Done() && (m_options.forms & EachDigitForm) != 0)
            FindEachDigit();
        if (!Done() && (m_options.forms & EachPlaceForm) != 0)
            FindEachPlace();
        SizePending();
        if (!m_best)
            return std::nullopt;
        return StepOf(*m_best);
    }

private:
    bool Done() const { return m_first && m_best.has_value(); }

    // The largest proof still worth deriving: one rated below the bound and the best so far.
    int Longest() const
    {
        const int below = m_best ? std::min(m_below, m_bestDifficulty) : m_below;
        const int base = BaseDifficulty(m_options.technique);
        if (below - base > 12)
            return m_longest;  // past any size that a proof reaches
        int size = 0;
        while (SizedDifficulty(base, size + 1) < below)
            ++size;
        // The offsets lower a proof's size; what is derived is counted without them.
        return std::min(m_longest, size - std::min(ContradictionOffset, BranchOffset));
    }

    // Nested derivations are dear to repeat, so their sizes are kept at once; the others are
    // derived again for the few conclusions that need them.
    bool Eager() const { return m_options.rules == ForcingRules::Nested; }

    void Record(int assumption)
    {
        m_recordedAt[assumption] = int(m_consequences.size());
        Consequences& consequences = m_consequences.emplace_back();
        for (const int literal : m_propagation.Order())
            if (literal != assumption && m_propagation.FollowsFromAssumption(literal))
                consequences.derived[size_t(literal / 64)] |= std::uint64_t(1) << (literal % 64);
        if (Eager())
            KeepSizes(assumption);
    }

    Consequences& ConsequencesOf(int assumption) { return m_consequences[size_t(m_recordedAt[assumption])]; }
    const Consequences& ConsequencesOf(int assumption) const { return m_consequences[size_t(m_recordedAt[assumption])]; }

    void KeepSizes(int assumption)
    {
        m_propagation.SizeEach(m_sizes);
        Consequences& consequences = ConsequencesOf(assumption);
        consequences.sizes.clear();
        for (const int literal : m_propagation.Order())
            if (literal != assumption)
                consequences.sizes.push_back({literal, m_sizes[literal]});
        std::sort(consequences.sizes.begin(), consequences.sizes.end());
    }

    int SizeOf(int assumption, int literal) const
    {
        const auto& sizes = ConsequencesOf(assumption).sizes;
        const auto found = std::lower_bound(sizes.begin(), sizes.end(), std::pair(literal, 0));
        return found != sizes.end() && found->first == literal ? found->second : 0;
    }

    void Offer(Conclusion conclusion)
    {
        const int difficulty = SizedDifficulty(BaseDifficulty(m_options.technique), conclusion.size);
        if (difficulty >= m_below || (m_best && difficulty >= m_bestDifficulty))
            return;
        m_best = std::move(conclusion);
        m_bestDifficulty = difficulty;
    }

    // What follows from every one of the conclusion's assumptions.
    void OfferCommon(Conclusion conclusion)
    {
        LiteralSet common = m_news;
        for (const int assumption : conclusion.assumptions) {
            if (m_recordedAt[assumption] < 0)
                return;  // that assumption came to a contradiction
            for (int w = 0; w < LiteralWords; ++w)
                common[size_t(w)] &= ConsequencesOf(assumption).derived[size_t(w)];
        }
        for (int w = 0; w < LiteralWords; ++w) {
            for (std::uint64_t bits = common[size_t(w)]; bits != 0; bits &= bits - 1) {
                conclusion.literal = w * 64 + std::countr_zero(bits);
                m_pending.push_back({conclusion, 0});
                if (m_first)
                    SizePending();
                if (Done())
                    return;
            }
        }
    }

    // Sizes the pending conclusions, deriving each assumption again once, and offers them.
    void SizePending()
    {
        std::vector<int> assumptions;
        for (const Candidate& candidate : m_pending)
            assumptions.insert(assumptions.end(), candidate.conclusion.assumptions.begin(), candidate.conclusion.assumptions.end());
        std::sort(assumptions.begin(), assumptions.end());
        assumptions.erase(std::unique(assumptions.begin(), assumptions.end()), assumptions.end());
        for (const int assumption : assumptions) {
            if (!Eager()) {
                m_propagation.Run(assumption);
                KeepSizes(assumption);
            }
            for (Candidate& candidate : m_pending) {
                const auto& branches = candidate.conclusion.assumptions;
                if (std::find(branches.begin(), branches.end(), assumption) != branches.end())
                    candidate.size += SizeOf(assumption, candidate.conclusion.literal);
            }
            if (!Eager())
                ConsequencesOf(assumption).sizes.clear();
        }
        for (Candidate& candidate : m_pending) {
            candidate.conclusion.size = candidate.size + BranchOffset;
            Offer(candidate.conclusion);
        }
        m_pending.clear();
    }

    void FindBothWays()
    {
        for (int cell = 0; cell < 81 && !Done(); ++cell)
            for (int digit = 1; digit <= 9 && !Done(); ++digit)
                if (m_grid.Has(cell, digit))
                    OfferCommon({ChainShape::BothWays, {Literal(cell, digit, true), Literal(cell, digit, false)}});
    }

    void FindEachDigit()
    {
        for (int cell = 0; cell < 81 && !Done(); ++cell) {
            if (m_grid.Value(cell) != 0 || CountDigits(m_grid.Candidates(cell)) < 2)
                continue;
            Conclusion conclusion{ChainShape::EachDigit, {}};
            conclusion.cell = cell;
            for (int digit = 1; digit <= 9; ++digit)
                if (m_grid.Has(cell, digit))
                    conclusion.assumptions.push_back(Literal(cell, digit, true));
            OfferCommon(conclusion);
        }
    }

    void FindEachPlace()
    {
        for (int unit = 0; unit < UnitCount && !Done(); ++unit) {
            for (int digit = 1; digit <= 9 && !Done(); ++digit) {
                const CellSet places = m_grid.CellsWith(digit) & UnitSet(unit);
                if (places.Count() < 2)
                    continue;
                Conclusion conclusion{ChainShape::EachPlace, {}};
                conclusion.unit = unit;
                conclusion.digit = digit;
                for (const int cell : places)
                    conclusion.assumptions.push_back(Literal(cell, digit, true));
                OfferCommon(conclusion);
            }
        }
    }

    // The step of a conclusion, its links derived again branch by branch.
    Step StepOf(const Conclusion& conclusion)
    {
        Step step;
        step.technique = m_options.technique;
        step.difficulty = m_bestDifficulty;
        step.size = conclusion.size;
        step.shape = conclusion.shape;
        const CellDigit result{CellOfLiteral(conclusion.literal), DigitOfLiteral(conclusion.literal)};
        if (Holds(conclusion.literal))
            step.placements = {result};
        else
            step.eliminations = {result};
        if (conclusion.cell >= 0)
            step.cells = {conclusion.cell};
        if (conclusion.unit >= 0) {
            step.units = {conclusion.unit};
            step.digits = {conclusion.digit};
        }
        for (size_t branch = 0; branch < conclusion.assumptions.size(); ++branch) {
            m_propagation.Run(conclusion.assumptions[branch]);
            const std::vector<int> proven = conclusion.shape == ChainShape::Contradiction
                                                ? m_propagation.Contradiction()
                                                : std::vector<int>{conclusion.literal};
            const std::vector<ChainLink> links = m_propagation.Links(proven, int(branch));
            step.chain.insert(step.chain.end(), links.begin(), links.end());
            m_propagation.ReadProof(proven, step);
            if (conclusion.shape == ChainShape::Contradiction) {
                if (m_propagation.ContradictionCell() >= 0)
                    step.cells = {m_propagation.ContradictionCell()};
                if (m_propagation.ContradictionUnit() >= 0)
                    step.units = {m_propagation.ContradictionUnit()};
            }
        }
        return step;
    }

    const CandidateGrid& m_grid;
    ForcingOptions m_options;
    ForcingPropagation m_propagation;
    int m_below = 1000;
    bool m_first = false;
    int m_longest = 1 << 20;
    std::vector<std::uint16_t> m_sizes;
    // Only for the assumptions recorded, a few hundred of the literals: the nested chains start
    // thousands of searches, and clearing room for every literal in each was dear.
    std::vector<Consequences> m_consequences;  // in the order recorded
    std::vector<int> m_recordedAt;             // by assumption, its index there, or -1
    LiteralSet m_news{};
    std::vector<Candidate> m_pending;
    std::optional<Conclusion> m_best;
    int m_bestDifficulty = 0;
};

}  // namespace

std::optional<Step> FindForcingChains(const CandidateGrid& grid, const ForcingOptions& options, int below)
{
    return ForcingSearch(grid, options).Find(below, false);
}

std::optional<Step> FindAnyForcingChain(const CandidateGrid& grid, const ForcingOptions& options, int longest)
{
    return ForcingSearch(grid, options).Find(1000, true, longest);
}
