// The help on every grid of the benchmark's sets, and the rating by the band of the grids' ratings:
// per-grid median and max time.
// The help runs on the window's own thread, so every grid must be answered within 100 ms.
#include "BoardHelp.h"
#include "GridText.h"
#include "SolutionCount.h"
#include "StepSolver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct HelpCase {
    Grid81 board{};
    TypingOrder typed{};
};

struct CaseSet {
    std::string name;
    std::vector<HelpCase> cases;
};

std::vector<Grid81> ReadGrids(const std::filesystem::path& path)
{
    std::vector<Grid81> grids;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (auto grid = ParseGridLine(line))
            grids.push_back(*grid);
    return grids;
}

// The first empty cell where a digit that repeats nothing is not the solution's, typed
// there: the help must find that digit. Nothing for a grid without exactly one solution.
std::optional<HelpCase> WithWrongDigitTyped(const Grid81& puzzle)
{
    Grid81 solution{};
    if (CountSolutions(puzzle, 2, solution) != 1)
        return std::nullopt;
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle[cell] != 0)
            continue;
        for (int digit = 1; digit <= 9; ++digit) {
            HelpCase wrong{puzzle, {}};
            wrong.board[cell] = digit;
            wrong.typed[cell] = 1;
            if (digit != solution[cell] && CountSolutions(wrong.board, 1) == 0
                && AdviseHelp(wrong.board, wrong.typed).kind == HelpKind::WrongDigit)
                return wrong;
        }
    }
    return std::nullopt;
}

std::vector<CaseSet> MakeSets()
{
    std::vector<CaseSet> sets;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TESSALY_BENCH_SETS))
        if (entry.path().extension() == ".txt")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        CaseSet asDealt{path.stem().string(), {}};
        CaseSet wrong{path.stem().string() + "+wrong_digit", {}};
        for (const Grid81& grid : ReadGrids(path)) {
            asDealt.cases.push_back({grid, {}});
            if (auto typed = WithWrongDigitTyped(grid))
                wrong.cases.push_back(*typed);
        }
        sets.push_back(asDealt);
        if (!wrong.cases.empty())
            sets.push_back(wrong);
    }
    return sets;
}

// The grids of the sets as dealt (a board with a wrong digit has no rating) by the band of their
// rating, as the scale's readers group them; grids that no step finishes go in a band of their own.
std::vector<CaseSet> ByRatingBand(const std::vector<CaseSet>& sets)
{
    const struct { const char* name; int below; } bands[] = {
        {"1.0-1.9", 20}, {"2.0-3.9", 40}, {"4.0-6.5", 66}, {"6.6-7.9", 80}, {"8.0-11.9", 120}, {"12.0-", 1000}};
    std::vector<CaseSet> byBand;
    for (const auto& band : bands)
        byBand.push_back({std::string("band_") + band.name, {}});
    byBand.push_back({"trial_and_error", {}});
    for (const CaseSet& set : sets) {
        if (set.name.find('+') != std::string::npos)
            continue;
        for (const HelpCase& c : set.cases) {
            const PuzzleRating rating = RatePuzzle(c.board);
            size_t band = 0;
            while (band + 1 < std::size(bands) && rating.difficulty >= bands[band].below)
                ++band;
            byBand[rating.needsTrialAndError ? byBand.size() - 1 : band].cases.push_back(c);
        }
    }
    std::erase_if(byBand, [](const CaseSet& band) { return band.cases.empty(); });
    return byBand;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times every case once per iteration; a case's time is its best over the iterations.
template <typename Run>
void TimeEachCase(benchmark::State& state, const CaseSet& set, Run run)
{
    std::vector<double> best(set.cases.size(), 1e300);
    for (auto _ : state) {
        for (std::size_t i = 0; i < set.cases.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            run(set.cases[i]);
            const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], elapsed.count());
        }
    }
    state.counters["grids"] = static_cast<double>(set.cases.size());
    state.counters["median_us"] = Median(best);
    state.counters["max_us"] = *std::max_element(best.begin(), best.end());
    state.counters["over_100ms"] =
        static_cast<double>(std::count_if(best.begin(), best.end(), [](double us) { return us > 100'000; }));
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    static const std::vector<CaseSet> sets = MakeSets();
    for (const CaseSet& set : sets) {
        benchmark::RegisterBenchmark(("help/" + set.name).c_str(), [&set](benchmark::State& state) {
            TimeEachCase(state, set, [](const HelpCase& c) { benchmark::DoNotOptimize(AdviseHelp(c.board, c.typed)); });
        })->Unit(benchmark::kMicrosecond)->Iterations(3);
    }
    static const std::vector<CaseSet> bands = ByRatingBand(sets);
    for (const CaseSet& band : bands)
        benchmark::RegisterBenchmark(("rate/" + band.name).c_str(), [&band](benchmark::State& state) {
            TimeEachCase(state, band, [](const HelpCase& c) { benchmark::DoNotOptimize(RatePuzzle(c.board)); });
        })->Unit(benchmark::kMicrosecond)->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
