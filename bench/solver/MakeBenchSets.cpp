// make_bench_sets: writes the solver benchmark's hard grid sets, from fixed seeds.
//
// Usage: make_bench_sets <folder>. The sets are kept in bench/solver/sets so that every
// solver (and every version of one) is measured on the same grids; running this again with the
// same search rewrites them byte for byte.
#include "GridSymmetry.h"
#include "GridText.h"
#include "Placement.h"
#include "PuzzleMaker.h"
#include "SolutionCount.h"
#include "Solver.h"
#include "SolverBands.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kPoolSize = 6000;
constexpr int kSetSize = 95;
// The forms of each top95-like puzzle whose one-given variants are tried: where its cells and
// digits fall changes what the search meets first.
constexpr int kForms = 8;

struct Rated {
    Grid81 grid;
    long long effort;
};

// Most sets are picked by the effort of our own search, so they hold the grids of the pool
// that are hardest for it: a solver that does well on them has no easy pool behind it.
// (Changing the search would pick other grids; the files keep the sets fixed.) One set is
// picked by a plain search that knows no deduction, the way well-known hard lists were made.

// Nodes of a plain search that counts completions up to two: the cell with the fewest digits
// its row, column and box allow, nothing else.
class PlainCount {
public:
    explicit PlainCount(const Grid81& grid) : m_grid(grid)
    {
        for (int cell = 0; cell < 81; ++cell) {
            if (m_grid[cell] != 0)
                Toggle(cell, m_grid[cell]);
        }
    }

    long long Nodes()
    {
        Search();
        return m_nodes;
    }

private:
    static int Box(int cell) { return cell / 27 * 3 + cell % 9 / 3; }
    unsigned Used(int cell) const { return m_rows[cell / 9] | m_columns[cell % 9] | m_boxes[Box(cell)]; }

    void Toggle(int cell, int digit)
    {
        m_rows[cell / 9] ^= 1u << digit;
        m_columns[cell % 9] ^= 1u << digit;
        m_boxes[Box(cell)] ^= 1u << digit;
    }

    void Search()
    {
        ++m_nodes;
        int best = -1;
        int fewest = 10;
        for (int cell = 0; cell < 81; ++cell) {
            const int allowed = 9 - std::popcount(Used(cell));
            if (m_grid[cell] == 0 && allowed < fewest) {
                best = cell;
                fewest = allowed;
            }
        }
        if (best < 0) {
            ++m_found;
            return;
        }
        for (int digit = 1; digit <= 9 && m_found < 2; ++digit) {
            if ((Used(best) >> digit & 1u) != 0)
                continue;
            m_grid[best] = digit;
            Toggle(best, digit);
            Search();
            Toggle(best, digit);
            m_grid[best] = 0;
        }
    }

    Grid81 m_grid;
    unsigned m_rows[9] = {};
    unsigned m_columns[9] = {};
    unsigned m_boxes[9] = {};
    int m_found = 0;
    long long m_nodes = 0;
};

// Nodes of the search that counts completions up to two: what every grid costs SolveGrid.
long long CountEffort(const Grid81& grid)
{
    BandBoard board;
    if (!board.Load(grid))
        return 0;
    SearchCounters counters;
    CountCompletions(board, 2, nullptr, counters);
    return counters.nodes;
}

// Nodes of the whole SolveGrid: with several completions, the way to the smallest too.
long long SolveEffort(const Grid81& grid)
{
    Grid81 unused{};
    SolveStats stats;
    SolveGrid(grid, unused, stats);
    return stats.searchNodes;
}

// Every grid one given away from `puzzle`, each with its effort: each given emptied (added to
// `emptied`), and each given rewritten to every digit its row, column and box do not hold (to
// `rewritten`), the way hard puzzles are turned into grids with several solutions or none.
void AddOneGivenOff(const Grid81& puzzle, std::vector<Rated>& emptied, std::vector<Rated>& rewritten)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (puzzle[cell] == 0)
            continue;
        Grid81 grid = puzzle;
        for (int digit = 0; digit <= 9; ++digit) {
            grid[cell] = digit;
            if (digit == 0)
                emptied.push_back({grid, SolveEffort(grid)});
            else if (digit != puzzle[cell] && IsPlacementValid(grid, cell / 9, cell % 9))
                rewritten.push_back({grid, SolveEffort(grid)});
        }
    }
}

// A grid with 1-31 clues of a random solution and one of them emptied or rewritten: sparse
// grids with many solutions or none, where the search can lose itself far from the givens.
Grid81 MakeSparseOneOff(RandomGenerator& random)
{
    Grid81 grid = KeepRandomClues(MakeRandomSolution(random), 1 + RandomBelow(random, 31), random);
    if (RandomBelow(random, 2) == 0 && RewriteOneClue(grid, random))
        return grid;
    for (int cell = RandomBelow(random, 81);; cell = (cell + 1) % 81) {
        if (grid[cell] != 0) {
            grid[cell] = 0;
            return grid;
        }
    }
}

// The `kSetSize` grids of most effort, in the order they were made (ties keep that order).
std::vector<Grid81> Hardest(std::vector<Rated> pool)
{
    std::vector<std::size_t> order(pool.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return pool[a].effort > pool[b].effort; });
    order.resize(std::min<std::size_t>(order.size(), kSetSize));
    std::sort(order.begin(), order.end());
    std::vector<Grid81> grids;
    for (const std::size_t i : order)
        grids.push_back(pool[i].grid);
    return grids;
}

bool Write(const std::string& path, const std::string& comment, const std::vector<Grid81>& grids)
{
    std::ofstream file(path, std::ios::binary);
    file << "# " << comment << "\n";
    for (const Grid81& grid : grids) {
        std::string line = FormatGrid(grid);
        std::replace(line.begin(), line.end(), '0', '.');
        file << line << "\n";
    }
    file.close();
    if (!file) {
        std::cerr << "make_bench_sets: cannot write " << path << "\n";
        return false;
    }
    std::cout << path << ": " << grids.size() << " grids\n";
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_bench_sets <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    StdRandomGenerator random;
    random.Seed(95);
    std::vector<Rated> unique;
    std::vector<Rated> plain;
    std::vector<Rated> none;
    std::vector<Rated> several;
    for (int i = 0; i < kPoolSize; ++i) {
        const Grid81 puzzle = MakeMinimalPuzzle(MakeRandomSolution(random), random);
        unique.push_back({puzzle, CountEffort(puzzle)});
        plain.push_back({puzzle, PlainCount(puzzle).Nodes()});
        // One clue of a minimal puzzle rewritten: no repeated digit, mostly no completion.
        Grid81 rewritten = puzzle;
        if (RewriteOneClue(rewritten, random) && CountSolutions(rewritten, 1) == 0)
            none.push_back({rewritten, CountEffort(rewritten)});
        // One clue of a minimal puzzle taken away: several completions, close to one.
        Grid81 opened = puzzle;
        for (int cell = RandomBelow(random, 81);; cell = (cell + 1) % 81) {
            if (opened[cell] != 0) {
                opened[cell] = 0;
                break;
            }
        }
        several.push_back({opened, SolveEffort(opened)});
        if ((i + 1) % 500 == 0)
            std::cout << i + 1 << " puzzles made\n";
    }
    // The variants of the top95-like puzzles, each in its own and in seeded symmetric forms.
    std::vector<Rated> emptied;
    std::vector<Rated> rewritten;
    for (const Grid81& puzzle : Hardest(plain)) {
        AddOneGivenOff(puzzle, emptied, rewritten);
        for (int form = 1; form < kForms; ++form)
            AddOneGivenOff(ApplySymmetry(RandomSymmetry(random), puzzle), emptied, rewritten);
    }
    std::vector<Rated> sparse;
    for (int i = 0; i < kPoolSize; ++i) {
        const Grid81 grid = MakeSparseOneOff(random);
        sparse.push_back({grid, SolveEffort(grid)});
    }
    const bool written =
        Write(folder + "/hard_unique.txt",
              "Minimal puzzles with one solution (seed 95): the 95 of 6000 whose count of "
              "solutions up to two took CountSolutions the most nodes.",
              Hardest(unique)) &&
        Write(folder + "/plain_unique.txt",
              "Minimal puzzles with one solution (seed 95): the 95 of 6000 whose count of "
              "solutions up to two took a plain fewest-candidates search the most nodes.",
              Hardest(plain)) &&
        Write(folder + "/hard_none.txt",
              "Minimal puzzles (seed 95) with one clue rewritten so that no digit repeats but "
              "no solution is left: the 95 whose refutation took CountSolutions the most "
              "nodes.",
              Hardest(none)) &&
        Write(folder + "/hard_several.txt",
              "Minimal puzzles (seed 95) with one clue emptied, several solutions: the 95 "
              "whose smallest solution took SolveGrid the most nodes.",
              Hardest(several)) &&
        Write(folder + "/plain_emptied.txt",
              "The puzzles of plain_unique.txt, each as it is and in 7 seeded symmetric forms, "
              "with one given emptied (each given in turn), several solutions: the 95 whose "
              "smallest solution took SolveGrid the most nodes.",
              Hardest(emptied)) &&
        Write(folder + "/plain_rewritten.txt",
              "The puzzles of plain_unique.txt, each as it is and in 7 seeded symmetric forms, "
              "with one given rewritten to another digit that its row, column and box do not "
              "hold (each given, each such digit): the 95 that took SolveGrid the most nodes.",
              Hardest(rewritten)) &&
        Write(folder + "/sparse_one_off.txt",
              "Random grids with 1 to 31 clues of a solution (seed 95, after the pool) and one "
              "clue emptied or rewritten: the 95 of 6000 that took SolveGrid the most nodes.",
              Hardest(sparse));
    return written ? 0 : 1;
}
