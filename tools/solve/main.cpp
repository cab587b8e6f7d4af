// tessaly-solve: completes grids read from standard input, so the solver can be graded and timed alone.
#include "GridReader.h"
#include "GridReport.h"
#include "GridText.h"
#include "Solver.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage =
    "Usage: tessaly-solve [--rate | --explain] [--time] [--help] < grids\n"
    "\n"
    "Reads grids from standard input: 81 cells in row-major order, 1-9 a digit, . 0 _ or *\n"
    "an empty cell. A grid stands on one line or is drawn over several, with spaces and\n"
    "| - + = between the cells; a line holds cells of one grid only, and lines without\n"
    "cells are passed over. For every grid prints its smallest completion in row-major\n"
    "order as 81 digits on one line, or \"No Answer\" when there is none (also when a\n"
    "digit already repeats in a row, column or box).\n"
    "Lines that are not a grid are reported on standard error with their line numbers;\n"
    "the other grids are still answered.\n"
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
    "  --help     show this text\n"
    "\n"
    "Exit status: 0 when every grid was answered, 1 when some lines were not a grid,\n"
    "2 for a bad option, or when standard input could not be read or standard output\n"
    "not written.\n";

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

// What failed, for the message: errno, or a plain input/output error where the library left none.
int LastError()
{
    return errno != 0 ? errno : EIO;
}

std::string LinesName(const GridInput& input)
{
    if (input.firstLine == input.lastLine)
        return "line " + std::to_string(input.firstLine);
    return "lines " + std::to_string(input.firstLine) + "-" + std::to_string(input.lastLine);
}

// Answers the grids as the reader finds them, onto standard output through stdio, whose
// error indicator tells when the output is lost.
class SolveRun {
public:
    explicit SolveRun(const Options& options) : m_options(options) {}

    void Take(const GridInput& input)
    {
        if (!input.grid) {
            std::cerr << "tessaly-solve: " << LinesName(input)
                      << ": not a grid (need 81 cells: 1-9, or . 0 _ * for an empty one)\n";
            m_allGrids = false;
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const std::string answer = Answer(m_options, *input.grid);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        Write(answer);
        if (m_options.time) {
            m_micros.push_back(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
            std::cerr << LinesName(input) << ": " << m_micros.back() << " us\n";
        }
    }

    void Write(std::string_view text)
    {
        if (!m_outputError && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            m_outputError = LastError();
    }

    void PrintTimeSummary()
    {
        if (m_micros.empty()) {
            std::cerr << "solved 0 grids\n";
            return;
        }
        std::sort(m_micros.begin(), m_micros.end());
        std::cerr << "solved " << m_micros.size() << " grids: median " << m_micros[m_micros.size() / 2]
                  << " us, max " << m_micros.back() << " us\n";
    }

    // Flushes the output; false, after saying why, when any of it was lost.
    bool FinishOutput()
    {
        if (!m_outputError && std::fflush(stdout) != 0)
            m_outputError = LastError();
        if (m_outputError)
            std::cerr << "tessaly-solve: cannot write standard output: " << std::strerror(m_outputError) << '\n';
        return m_outputError == 0;
    }

    bool OutputLost() const { return m_outputError != 0; }
    bool AllGrids() const { return m_allGrids; }

private:
    const Options& m_options;
    bool m_allGrids = true;
    int m_outputError = 0;
    std::vector<long long> m_micros;
};

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    SolveRun run(options);
    if (options.help) {
        run.Write(kUsage);
        return run.FinishOutput() ? 0 : 2;
    }
    GridReader reader([&run](const GridInput& input) { run.Take(input); });
    // A character at a time, so that no line is ever held whole.
    errno = 0;
    int c = 0;
    while (!run.OutputLost() && (c = std::getc(stdin)) != EOF)
        reader.Put(static_cast<char>(c));
    if (std::ferror(stdin)) {
        std::cerr << "tessaly-solve: cannot read standard input: " << std::strerror(LastError()) << '\n';
        run.FinishOutput();
        return 2;
    }
    if (!run.OutputLost())
        reader.Finish();
    if (options.time)
        run.PrintTimeSummary();
    if (!run.FinishOutput())
        return 2;
    return run.AllGrids() ? 0 : 1;
}
