// X-chains and XY-chains: alternating chains whose two ends cannot both lack the digit.
//
// Both searches follow implications breadth first from "the digit is not in the first cell":
// a strong link (the only other place of the digit in a unit, or the other digit of a cell
// with two candidates) turns "not here" into "there", a weak link (a cell that sees it)
// turns "there" into "not here". Reaching "the digit is in the last cell" proves that one
// of the two ends holds it, so no cell that sees both ends can. Breadth first, the chain
// found for each pair of ends is a shortest one.
#include "ChainSteps.h"

#include "GridUnits.h"
#include "StepTechniques.h"
#include "StepWords.h"
#include "TechniqueTexts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The breadth-first walk both searches share: for every node reached, the node it was
// reached from and its distance from the start (unreached nodes come from -1).
struct ChainWalk {
    std::vector<int> from;
    std::vector<int> depth;

    // `expand(node, reach)` calls reach(next) for every node that `node` implies.
    template <typename Expand>
    ChainWalk(int nodeCount, int start, Expand expand) : from(nodeCount, -1), depth(nodeCount, 0)
    {
        std::vector<int> queue = {start};
        from[start] = start;
        for (size_t head = 0; head < queue.size(); ++head) {
            const int node = queue[head];
            expand(node, [&](int next) {
                if (from[next] >= 0)
                    return;
                from[next] = node;
                depth[next] = depth[node] + 1;
                queue.push_back(next);
            });
        }
    }
};

// The chain that removed the most with the fewest nodes so far.
struct BestChain {
    std::optional<Step> step;

    void Offer(Step candidate)
    {
        if (!step || candidate.difficulty < step->difficulty
            || (candidate.difficulty == step->difficulty && candidate.cells.size() < step->cells.size()))
            step = std::move(candidate);
    }
};

// The difficulty of a chain of `nodes` candidates.
int ChainDifficulty(Technique technique, int nodes) { return SizedDifficulty(BaseDifficulty(technique), nodes - 2); }

// Removes `digit` from every cell that sees both ends (neither end sees itself).
std::vector<CellDigit> SeenByBothEnds(const CellSet& withDigit, int first, int last, int digit)
{
    std::vector<CellDigit> eliminations;
    for (const int cell : withDigit & PeerSet(first) & PeerSet(last))
        eliminations.push_back({cell, digit});
    return eliminations;
}

// A unit that `a` and `b` share, rows first, then columns, then boxes; with `strong`, one
// in which they are the digit's only two places.
int SharedUnit(const CandidateGrid& grid, int a, int b, int digit, bool strong)
{
    for (const int unit : UnitsOfCell(a)) {
        const auto& cells = UnitCells(unit);
        const bool holdsB = std::find(cells.begin(), cells.end(), b) != cells.end();
        if (holdsB && (!strong || BitCount(grid.PositionsIn(unit, digit)) == 2))
            return unit;
    }
    return -1;
}

// The removals outside the chain's own cells: a chain that runs through a cell it would
// empty proves the same, but reads as a contradiction to a player.
std::vector<CellDigit> OutsideChain(std::vector<CellDigit> eliminations, const std::vector<int>& cells)
{
    std::erase_if(eliminations, [&cells](const CellDigit& removed) {
        return std::find(cells.begin(), cells.end(), removed.cell) != cells.end();
    });
    return eliminations;
}

void SearchXChains(const CandidateGrid& grid, const CellSet& withDigit, int digit, BestChain& best)
{
    // The strong partners of each cell: the other place of the digit in a unit with two.
    std::array<std::vector<int>, 81> strong;
    for (int unit = 0; unit < UnitCount; ++unit) {
        const unsigned positions = grid.PositionsIn(unit, digit);
        if (BitCount(positions) != 2)
            continue;
        const int a = UnitCells(unit)[std::countr_zero(positions)];
        const int b = UnitCells(unit)[31 - std::countl_zero(positions)];
        strong[a].push_back(b);
        strong[b].push_back(a);
    }
    // Node 2 * cell + 1: the digit is in the cell; 2 * cell: it is not.
    for (int first = 0; first < 81; ++first) {
        if (strong[first].empty())
            continue;
        const ChainWalk walk(162, 2 * first, [&](int node, const auto& reach) {
            const int cell = node / 2;
            if (node % 2 == 0) {
                for (const int next : strong[cell])
                    reach(2 * next + 1);
                return;
            }
            for (const int next : PeersOf(cell))
                if (grid.Has(next, digit))
                    reach(2 * next);
        });
        const std::vector<int>& from = walk.from;
        const std::vector<int>& depth = walk.depth;
        for (int last = 0; last < 81; ++last) {
            const int end = 2 * last + 1;
            if (last == first || from[end] < 0 || depth[end] + 1 < 4)
                continue;  // chains of two cells are the intersections, found before
            const int difficulty = ChainDifficulty(Technique::XChain, depth[end] + 1);
            if (best.step && difficulty > best.step->difficulty)
                continue;
            auto eliminations = SeenByBothEnds(withDigit, first, last, digit);
            if (eliminations.empty())
                continue;
            std::vector<int> cells;
            for (int node = end; node != 2 * first; node = from[node])
                cells.insert(cells.begin(), node / 2);
            cells.insert(cells.begin(), first);
            eliminations = OutsideChain(std::move(eliminations), cells);
            if (eliminations.empty())
                continue;
            Step step;
            step.technique = Technique::XChain;
            step.difficulty = difficulty;
            step.digits = {digit};
            for (size_t i = 0; i + 1 < cells.size(); ++i) {
                step.units.push_back(SharedUnit(grid, cells[i], cells[i + 1], digit, i % 2 == 0));
                ReadDigit(step, digit, UnitSet(step.units.back()));
            }
            step.cells = std::move(cells);
            step.eliminations = std::move(eliminations);
            best.Offer(std::move(step));
        }
    }
}

void SearchXYChains(const CandidateGrid& grid, BestChain& best)
{
    // Node 20 * cell + 2 * digit + 1: the cell holds the digit; + 0: it does not. Only
    // cells with two candidates take part.
    constexpr int NodeCount = 81 * 20;
    const auto isPair = [&grid](int cell) { return CountDigits(grid.Candidates(cell)) == 2; };
    for (int first = 0; first < 81; ++first) {
        if (!isPair(first))
            continue;
        for (int z = 1; z <= 9; ++z) {
            if (!grid.Has(first, z))
                continue;
            const int start = 20 * first + 2 * z;
            const ChainWalk walk(NodeCount, start, [&](int node, const auto& reach) {
                const int cell = node / 20;
                const int digit = (node % 20) / 2;
                if (node % 2 == 0) {
                    reach(20 * cell + 2 * LowestDigit(DigitMask(grid.Candidates(cell) & ~DigitBit(digit))) + 1);
                    return;
                }
                for (const int peer : PeersOf(cell))
                    if (isPair(peer) && grid.Has(peer, digit))
                        reach(20 * peer + 2 * digit);
            });
            const std::vector<int>& from = walk.from;
            const std::vector<int>& depth = walk.depth;
            for (int last = 0; last < 81; ++last) {
                const int end = 20 * last + 2 * z + 1;
                // Each cell of the chain is two nodes: "not d", then "its other digit".
                const int cellCount = (depth[end] + 1) / 2;
                if (last == first || from[end] < 0 || cellCount < 3)
                    continue;  // two cells are a naked pair, found before
                const int difficulty = ChainDifficulty(Technique::XYChain, 2 * cellCount);
                if (best.step && difficulty > best.step->difficulty)
                    continue;
                auto eliminations = SeenByBothEnds(grid.CellsWith(z), first, last, z);
                if (eliminations.empty())
                    continue;
                // The digit of each link is the one its cell holds when the start lacks z.
                std::vector<int> cells;
                std::vector<int> links;
                for (int node = end; node != start; node = from[node]) {
                    if (node % 2 == 1) {
                        cells.insert(cells.begin(), node / 20);
                        links.insert(links.begin(), (node % 20) / 2);
                    }
                }
                eliminations = OutsideChain(std::move(eliminations), cells);
                if (eliminations.empty())
                    continue;
                Step step;
                step.technique = Technique::XYChain;
                step.difficulty = difficulty;
                step.digits = {z};
                // links[i] is the digit cell i holds when the start lacks z; it links
                // cell i to cell i + 1 (the last one is z itself).
                links.pop_back();
                step.digits.insert(step.digits.end(), links.begin(), links.end());
                for (const int cell : cells)
                    ReadCell(step, cell);
                step.cells = std::move(cells);
                step.eliminations = std::move(eliminations);
                best.Offer(std::move(step));
            }
        }
    }
}

}  // namespace

std::optional<Step> FindXChain(const CandidateGrid& grid, int)
{
    BestChain best;
    for (int digit = 1; digit <= 9; ++digit)
        SearchXChains(grid, grid.CellsWith(digit), digit, best);
    return best.step;
}

std::optional<Step> FindXYChain(const CandidateGrid& grid, int)
{
    BestChain best;
    SearchXYChains(grid, best);
    return best.step;
}

std::string ChainText(const Step& step, CellNaming naming)
{
    const std::vector<int>& cells = step.cells;
    const int digit = step.digits.front();
    std::string text = "if " + CellName(cells.front(), naming) + " is not " + The(digit);
    if (step.technique == Technique::XChain) {
        for (size_t i = 1; i < cells.size(); ++i)
            text += (i == 1 ? ", then " : ", so ") + CellName(cells[i], naming) + (i % 2 == 1 ? " is" : " is not");
    } else {
        text += ", it is " + The(step.digits[1]);
        for (size_t i = 1; i < cells.size(); ++i) {
            const int holds = i + 1 < cells.size() ? step.digits[i + 1] : digit;
            text += ", so " + CellName(cells[i], naming) + " is " + The(holds);
        }
    }
    return text + "; one of the two ends is " + The(digit) + ", so " + Removals(step.eliminations, naming) + ".";
}
