// tessaly-solve: completes grids read one per line, so the solver can be graded and timed alone.
#include "GridReport.h"
#include "GridText.h"
#include "Solver.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "Usage: tessaly-solve [--rate | --explain] [--time] [--help] < grids\n"
    "\n"
    "Reads grids from standard input, one per line: 81 characters in row-major order,\n"
    "1-9 a digit, 0 or . an empty cell (a trailing CR is ignored). For every grid prints\n"
    "its smallest completion in row-major order as 81 digits, or \"No Answer\" when there\n"
    "is none (also when a digit already repeats in a row, column or box).\n"
    "A line that is not a grid is reported on standard error with its line number; the\n"
    "other lines are still answered and the exit status is then 1.\n"
    "\n"
    "  --rate     instead of the completion print \"<solutions> <rating> <technique>\":\n"
    "             the number of solutions (0, 1 or 2+), the difficulty of the hardest\n"
    "             step a person needs when always taking the easiest step first (1.0\n"
    "             full house, 1.2-2.5 singles and direct patterns, ... 4.5 unique\n"
    "             rectangles, 5.6 bivalue universal grave, 6.5 and up for cycles and\n"
    "             chains, 7.5 Nishio, 8.0 cell and unit forcing chains, 8.5 dynamic\n"
    "             forcing chains, 9.0 those with patterns, 9.5-11.x nested ones;\n"
    "             longer chains harder) and that step's technique; \"0 - no\n"
    "             solution\" for none. Every grid with one solution gets a rating;\n"
    "             T&E only says that the steps cannot finish a grid\n"
    "             with several solutions\n"
    "  --explain  instead of the completion print the steps that solve the grid, one a\n"
    "             line with its difficulty (rows and columns counted from 1 as the grid\n"
    "             is read; a forcing chain goes on over lines indented by four spaces),\n"
    "             then a line \"rating ...\" as --rate gives it\n"
    "  --time     also write each grid's time in microseconds and a summary line\n"
    "             (count, median, max) to standard error\n"
    "  --help     show this text\n";

struct Options {
    bool rate = false;
    bool explain = false;
    bool time = false;
    bool help = false;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--rate")
            options.rate = true;
        else if (argument == "--explain")
            options.explain = true;
        else if (argument == "--time")
            options.time = true;
        else if (argument == "--help")
            options.help = true;
        else {
            std::cerr << "tessaly-solve: unknown option '" << argument << "'\n\n" << kUsage;
            return false;
        }
    }
    if (options.rate && options.explain) {
        std::cerr << "tessaly-solve: --rate and --explain do not go together\n\n" << kUsage;
        return false;
    }
    return true;
}

// The completion, the rating or the steps of one grid, as the options ask.
std::string Answer(const Options& options, const Grid81& grid)
{
    if (options.rate)
        return RateLine(grid) + "\n";
    if (options.explain)
        return ExplainLines(grid);
    Grid81 result{};
    return (SolveGrid(grid, result) ? FormatGrid(result) : std::string("No Answer")) + "\n";
}

void PrintTimeSummary(std::vector<long long> micros)
{
    if (micros.empty()) {
        std::cerr << "solved 0 grids\n";
        return;
    }
    std::sort(micros.begin(), micros.end());
    std::cerr << "solved " << micros.size() << " grids: median " << micros[micros.size() / 2]
              << " us, max " << micros.back() << " us\n";
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    std::ios::sync_with_stdio(false);
    bool allGrids = true;
    std::vector<long long> micros;
    std::string line;
    for (long long lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        const auto grid = ParseGridLine(line);
        if (!grid) {
            std::cerr << "tessaly-solve: line " << lineNumber
                      << ": not a grid (need 81 characters of 1-9, 0 or .)\n";
            allGrids = false;
            continue;
        }
        const auto start = std::chrono::steady_clock::now();
        const std::string answer = Answer(options, *grid);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        std::cout << answer;
        if (options.time) {
            micros.push_back(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
            std::cerr << "line " << lineNumber << ": " << micros.back() << " us\n";
        }
    }
    if (options.time)
        PrintTimeSummary(std::move(micros));
    return allGrids ? 0 : 1;
}
