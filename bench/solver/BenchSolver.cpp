// SolveGrid on seeded sets and on the hard sets of bench/solver/sets, beside the plain search
// where it finishes: per-grid median and max time, nodes, calls.
#include "GridSymmetry.h"
#include "GridText.h"
#include "PuzzleMaker.h"
#include "ReferenceSolver.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr long long kReferenceCallCap = 2'000'000;

struct GridSet {
    std::string name;
    std::vector<Grid81> grids;
    bool withReference = true;  // the plain search needs seconds per grid on the hard sets
};

Grid81 FromText(const char* text) { return ParseGridLine(text).value_or(Grid81{}); }

// A minimal puzzle moved so that its sparsest rows lead and its first row must read 987654321.
Grid81 AntiBruteForce(RandomGenerator& random)
{
    const Grid81 solution = MakeRandomSolution(random);
    const Grid81 puzzle = MakeMinimalPuzzle(solution, random);
    const GridSymmetry rows = SparseRowsFirst(puzzle);
    const GridSymmetry labels = DescendingFirstRow(ApplySymmetry(rows, solution));
    return ApplySymmetry(labels, ApplySymmetry(rows, puzzle));
}

// A set of bench/solver/sets: one grid a line, '#' starts a comment.
GridSet ReadSet(const std::string& name)
{
    GridSet set{name, {}, false};
    std::ifstream file(std::string(TESSALY_BENCH_SETS) + "/" + name + ".txt");
    std::string line;
    while (std::getline(file, line)) {
        if (const auto grid = ParseGridLine(line))
            set.grids.push_back(*grid);
    }
    return set;
}

std::vector<GridSet> MakeSets()
{
    StdRandomGenerator random;
    random.Seed(1234);
    std::vector<GridSet> sets;
    sets.push_back({"empty", {Grid81{}}});

    GridSet minimal{"minimal", {}};
    for (int i = 0; i < 30; ++i)
        minimal.grids.push_back(MakeMinimalPuzzle(MakeRandomSolution(random), random));
    sets.push_back(minimal);

    GridSet anti{"anti_brute_force", {FromText("..............3.85..1.2.......5.7.....4...1...9......."
                                               "5......73..2.1........4...9")}};
    for (int i = 0; i < 10; ++i)
        anti.grids.push_back(AntiBruteForce(random));
    sets.push_back(anti);

    GridSet unsolvable{"unsolvable_empty_top", {}};
    for (int i = 0; i < 10; ++i)
        unsolvable.grids.push_back(MakeUnsolvableBelowEmptyRows(3 + i % 3, random));
    sets.push_back(unsolvable);

    GridSet multi{"many_solutions", {FromText(".....6....59.....82....8....45........3........6..3.54"
                                              "...325..6..................")}};
    for (int i = 0; i < 60; ++i)
        multi.grids.push_back(KeepRandomClues(MakeRandomSolution(random), 14 + i % 10, random));
    sets.push_back(multi);

    for (const char* name : {"hard_unique", "plain_unique", "hard_none", "hard_several", "plain_emptied",
                             "plain_rewritten", "sparse_one_off"})
        sets.push_back(ReadSet(name));
    return sets;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times every grid once per iteration; a grid's time is its best over the iterations.
template <typename Solve>
void TimeEachGrid(benchmark::State& state, const GridSet& set, Solve solve)
{
    std::vector<double> best(set.grids.size(), 1e300);
    for (auto _ : state) {
        for (std::size_t i = 0; i < set.grids.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            solve(i);
            const std::chrono::duration<double, std::micro> elapsed =
                std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], elapsed.count());
        }
    }
    state.counters["grids"] = static_cast<double>(set.grids.size());
    state.counters["median_us"] = Median(best);
    state.counters["max_us"] = *std::max_element(best.begin(), best.end());
}

void BenchFast(benchmark::State& state, const GridSet& set)
{
    std::vector<double> nodes(set.grids.size());
    int deepest = 0;
    TimeEachGrid(state, set, [&](std::size_t i) {
        Grid81 result{};
        SolveStats stats;
        benchmark::DoNotOptimize(SolveGrid(set.grids[i], result, stats));
        nodes[i] = stats.searchNodes;
        deepest = std::max(deepest, stats.deepestFrame);
    });
    state.counters["nodes_max"] = *std::max_element(nodes.begin(), nodes.end());
    state.counters["depth_max"] = deepest;
}

// CountSolutions up to two, the check that a puzzle has exactly one solution.
void BenchCount(benchmark::State& state, const GridSet& set)
{
    TimeEachGrid(state, set, [&](std::size_t i) {
        benchmark::DoNotOptimize(CountSolutions(set.grids[i], 2));
    });
}

void BenchReference(benchmark::State& state, const GridSet& set)
{
    std::vector<double> calls(set.grids.size());
    int gaveUp = 0;
    TimeEachGrid(state, set, [&](std::size_t i) {
        const ReferenceResult result = ReferenceSolve(set.grids[i], kReferenceCallCap);
        calls[i] = static_cast<double>(result.calls);
        gaveUp += result.outcome == ReferenceOutcome::GaveUp ? 1 : 0;
    });
    state.counters["calls_median"] = Median(calls);
    state.counters["calls_max"] = *std::max_element(calls.begin(), calls.end());
    state.counters["gave_up"] = gaveUp;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    static const std::vector<GridSet> sets = MakeSets();
    for (const GridSet& set : sets) {
        if (set.grids.empty()) {
            std::cerr << "no grids in set " << set.name << "\n";
            return 1;
        }
        benchmark::RegisterBenchmark(("fast/" + set.name).c_str(), BenchFast, set)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("count2/" + set.name).c_str(), BenchCount, set)
            ->Unit(benchmark::kMicrosecond);
        if (!set.withReference)
            continue;
        benchmark::RegisterBenchmark(("reference/" + set.name).c_str(), BenchReference, set)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
