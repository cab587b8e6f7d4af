// X-cycles, XY-cycles and alternating cycles: closed loops of alternating links, in which every
// weak link becomes a strong one, so its two candidates rule out what sees both.
//
// From "A does not hold" a loop runs over strong and weak links back to a candidate that
// rules A out. Read either way round, one of the two candidates of each weak link holds:
// of two cells with one digit, the digit goes nowhere that sees both; of two digits of one
// cell, the cell takes no third.
#include "ChainCycles.h"

#include "ChainGraph.h"
#include "GridUnits.h"
#include "StepTechniques.h"


namespace {

// The size that rates a loop of `links` links (and as many candidates): two less.
int CycleSize(int links) { return links - 2; }

// True when no candidate of the loop comes twice.
bool IsSimple(const std::vector<ChainLink>& loop)
{
    for (size_t i = 0; i < loop.size(); ++i)
        for (size_t j = i + 1; j < loop.size(); ++j)
            if (loop[i].candidate == loop[j].candidate)
                return false;
    return true;
}

// What the weak links of the loop (each from a holding link to the next) rule out.
std::vector<CellDigit> LoopRemovals(const CandidateGrid& grid, const std::vector<ChainLink>& loop)
{
    std::vector<CellDigit> removals;
    const auto add = [&](int cell, int digit) {
        for (const ChainLink& link : loop)
            if (link.candidate == CellDigit{cell, digit})
                return;
        for (const CellDigit& removed : removals)
            if (removed == CellDigit{cell, digit})
                return;
        removals.push_back({cell, digit});
    };
    for (size_t i = 0; i < loop.size(); ++i) {
        const CellDigit a = loop[i].candidate;
        const CellDigit b = loop[(i + 1) % loop.size()].candidate;
        if (!loop[i].holds)
            continue;  // a strong link
        if (a.cell == b.cell) {
            for (int digit = 1; digit <= 9; ++digit)
                if (digit != a.digit && digit != b.digit && grid.Has(a.cell, digit))
                    add(a.cell, digit);
        } else {
            for (const int cell : grid.CellsWith(a.digit) & PeerSet(a.cell) & PeerSet(b.cell))
                add(cell, a.digit);
        }
    }
    return removals;
}

}  // namespace

std::optional<Step> FindCycle(const CandidateGrid& grid, Technique technique, unsigned kinds, int below)
{
    const ChainGraph graph(grid, kinds);
    const int base = BaseDifficulty(technique);
    int longest = 0;
    while (SizedDifficulty(base, CycleSize(longest + 1)) < below && longest < 200)
        ++longest;
    // From every "A does not hold" at once; a candidate that holds and rules A out closes the
    // loop with one more link.
    std::vector<int> starts;
    std::vector<int> startOf(LiteralCount, -1);
    for (int cell = 0; cell < 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            if (grid.Has(cell, digit)) {
                startOf[Literal(cell, digit, false)] = int(starts.size());
                starts.push_back(Literal(cell, digit, false));
            }
        }
    }
    std::vector<std::vector<std::pair<int, ChainEdge>>> closers(starts.size());
    for (int literal = 1; literal < LiteralCount; literal += 2)
        for (const ChainEdge* edge = graph.begin(literal); edge != graph.end(literal); ++edge)
            if (startOf[edge->to] >= 0)
                closers[size_t(startOf[edge->to])].push_back({literal, *edge});
    ParallelWalk walk(graph, starts);
    ChainSearch search(graph);
    for (int links = 1; links < longest && walk.Advance(); ++links) {
        if (links < 3)
            continue;
        for (size_t i = 0; i < starts.size(); ++i) {
            for (const auto& [closer, edge] : closers[i]) {
                if (!walk.ReachedNow(closer, i))
                    continue;
                const int start = starts[i];
                search.Walk(start, links, [end = closer](int literal, int) { return literal == end; });
                std::vector<ChainLink> loop = search.Path(start, closer);
                if (!IsSimple(loop))
                    continue;
                std::vector<CellDigit> removals = LoopRemovals(grid, loop);
                if (removals.empty())
                    continue;
                Step step;
                step.technique = technique;
                step.size = CycleSize(links + 1);
                step.difficulty = SizedDifficulty(base, step.size);
                step.shape = ChainShape::Loop;
                for (const ChainLink& link : loop) {
                    if (link.reason == ChainReason::LastDigit)
                        ReadCell(step, link.candidate.cell);
                    else if (link.reason == ChainReason::LastPlace)
                        ReadDigit(step, link.candidate.digit, UnitSet(link.unit));
                }
                // The loop's first strong link closes it: "A does not hold" follows from the last.
                loop.front().reason = edge.reason;
                step.chain = std::move(loop);
                step.eliminations = std::move(removals);
                return step;
            }
        }
    }
    return std::nullopt;
}
