// X-chains, XY-chains and alternating chains: a chain of links from an assumption about one candidate
// back to its opposite, which proves the opposite.
//
// A chain starts from "T holds" or "T does not hold" and alternates weak links (a candidate
// that holds rules out the others of its cell and its digit in the cells it sees) with strong
// ones (the last digit of a cell, the last place of a digit in a unit, on the grid as it is).
// Reaching the opposite of the assumption refutes it. Breadth first, each chain found is a
// shortest one from its assumption; the step is the shortest over all assumptions.
#include "AlternatingChains.h"

#include "ChainGraph.h"
#include "GridUnits.h"
#include "StepTechniques.h"


namespace {

// The size that rates a chain of `links` links: the candidates between its two ends.
int ChainSize(int links) { return links - 1; }

Step ChainStepOf(Technique technique, int difficulty, std::vector<ChainLink> links)
{
    Step step;
    step.technique = technique;
    step.difficulty = difficulty;
    const ChainLink& assumption = links.front();
    if (assumption.holds)
        step.eliminations = {assumption.candidate};
    else
        step.placements = {assumption.candidate};
    // A strong link needs the other digits of its cell, or its digit's other places in its
    // unit, gone.
    for (const ChainLink& link : links) {
        if (link.reason == ChainReason::LastDigit)
            ReadCell(step, link.candidate.cell);
        else if (link.reason == ChainReason::LastPlace)
            ReadDigit(step, link.candidate.digit, UnitSet(link.unit));
    }
    // From "T holds", the first and last links rule T out from either end of the chain
    // between them; from "T does not hold" the chain comes back to T.
    step.shape = assumption.holds ? ChainShape::EitherEnd : ChainShape::Contradiction;
    step.chain = std::move(links);
    return step;
}

// The shortest chain of at most `longest` links, the first in the order of the candidates
// when several are as short: all assumptions are walked at once, link by link.
std::optional<Step> ShortestChain(const CandidateGrid& grid, Technique technique, unsigned kinds, int longest)
{
    const ChainGraph graph(grid, kinds);
    std::vector<int> assumptions;
    for (int cell = 0; cell < 81; ++cell)
        for (int digit = 1; digit <= 9; ++digit)
            if (grid.Has(cell, digit))
                for (const bool holds : {true, false})
                    assumptions.push_back(Literal(cell, digit, holds));
    ParallelWalk walk(graph, assumptions);
    for (int links = 1; links <= longest && walk.Advance(); ++links) {
        for (size_t i = 0; i < assumptions.size(); ++i) {
            const int assumption = assumptions[i];
            if (!walk.ReachedNow(Negated(assumption), i))
                continue;
            ChainSearch search(graph);
            search.Walk(assumption, links, [&](int literal, int) { return literal == Negated(assumption); });
            Step step = ChainStepOf(technique, SizedDifficulty(BaseDifficulty(technique), ChainSize(links)),
                                    search.Path(assumption, Negated(assumption)));
            step.size = ChainSize(links);
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindForcingChain(const CandidateGrid& grid, Technique technique, unsigned kinds, int below)
{
    // The longest chain worth finding: one rated below `below`.
    int longest = 0;
    while (SizedDifficulty(BaseDifficulty(technique), ChainSize(longest + 1)) < below && longest < 200)
        ++longest;
    return ShortestChain(grid, technique, kinds, longest);
}

std::optional<Step> FindFirstChain(const CandidateGrid& grid, Technique technique, unsigned kinds, int longest)
{
    // A chain of `links` links has a size of links - 1.
    return ShortestChain(grid, technique, kinds, std::min(longest + 1, 200));
}
