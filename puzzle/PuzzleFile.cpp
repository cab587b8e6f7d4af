// Reading one line of data.dat and turning its solution into a puzzle by the level's draws.
#include "PuzzleFile.h"

#include "SolvedGrid.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// Like fgets with a count of 255: a read takes at most 254 characters and stops after a newline.
constexpr std::size_t kMaxReadLength = 254;

// One read of the line reader. The file is opened in binary so that every platform sees the same
// characters; a CR directly before the LF is dropped, as a text-mode read would drop it.
// Returns false and leaves `text` alone when the file has nothing more to read.
bool ReadOnce(std::istream& in, std::string& text)
{
    std::string read;
    while (read.size() < kMaxReadLength) {
        int c = in.get();
        if (c == std::char_traits<char>::eof())
            break;
        if (c == '\r' && in.peek() == '\n')
            c = in.get();
        read += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (read.empty())
        return false;
    text = std::move(read);
    return true;
}

struct BoxOrigin {
    int row;
    int column;
};

// The order in which levels 3-5 visit the boxes; it fixes which draw lands in which box.
constexpr std::array<BoxOrigin, 9> kBoxVisitOrder = {
    {{0, 0}, {3, 0}, {0, 3}, {3, 3}, {6, 3}, {3, 6}, {0, 6}, {6, 0}, {6, 6}}};

using DrawsPerBox = std::array<int, 9>;  // in visiting order

constexpr DrawsPerBox kNormalDraws = {7, 7, 7, 7, 7, 7, 6, 6, 7};
constexpr DrawsPerBox kHardDraws = {9, 9, 9, 9, 9, 9, 9, 9, 9};

void BlankInEveryRow(Grid81& puzzle, int drawsPerRow, RandomGenerator& random)
{
    for (int row = 0; row < 9; ++row) {
        for (int n = 0; n < drawsPerRow; ++n)
            puzzle[GridIndex(row, RandomBelow(random, 9))] = 0;
    }
}

// Draws cells box by box, the row offset before the column offset, and hands each to `onCell`.
template <typename OnCell>
void DrawCellsByBox(const DrawsPerBox& draws, RandomGenerator& random, OnCell onCell)
{
    for (std::size_t visit = 0; visit < kBoxVisitOrder.size(); ++visit) {
        const BoxOrigin box = kBoxVisitOrder[visit];
        for (int n = 0; n < draws[visit]; ++n) {
            const int r = RandomBelow(random, 3);
            const int c = RandomBelow(random, 3);
            onCell(GridIndex(box.row + r, box.column + c));
        }
    }
}

int DrawBoxNumber(RandomGenerator& random) { return RandomBelow(random, 9) + 1; }

// Three different box numbers (1-9, in visiting order) are drawn first; those boxes get two
// draws, every other box four.
DrawsPerBox DrawHellAllowances(RandomGenerator& random)
{
    const int x = DrawBoxNumber(random);
    int y = DrawBoxNumber(random);
    while (y == x)
        y = DrawBoxNumber(random);
    int z = DrawBoxNumber(random);
    while (z == y || z == x)
        z = DrawBoxNumber(random);

    DrawsPerBox allowances{};
    for (int k = 1; k <= 9; ++k)
        allowances[k - 1] = (k == x || k == y || k == z) ? 2 : 4;
    return allowances;
}

void RevealFromNothing(Grid81& puzzle, const Grid81& solution, RandomGenerator& random)
{
    puzzle.fill(0);
    DrawCellsByBox(DrawHellAllowances(random), random,
                   [&](int index) { puzzle[index] = solution[index]; });
}

}  // namespace

PuzzleLineResult ReadPuzzleLine(const std::string& path, int lineNumber)
{
    if (lineNumber < 1)
        return {std::nullopt, PuzzleFileError::BadLineNumber};
    // Looked at before opening: opening a FIFO waits for a writer, and a folder or device holds no grids.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {std::nullopt, PuzzleFileError::CannotOpen};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {std::nullopt, PuzzleFileError::CannotOpen};

    std::string text;
    int linesRead = 0;
    // Past the end every read yields nothing, so the loop may stop at the first empty read.
    while (linesRead < lineNumber && ReadOnce(in, text))
        ++linesRead;
    if (linesRead == 0)
        return {std::nullopt, PuzzleFileError::NoLines};

    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    // The line is a C string: a NUL byte ends it, and the positions after it read as 0.
    text.resize(std::min(text.size(), text.find('\0')));
    return {std::move(text), {}};
}

Grid81 ParsePuzzleLine(std::string_view line)
{
    Grid81 grid{};
    const std::size_t length = std::min(line.size(), grid.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char c = line[i];
        grid[i] = (c >= '1' && c <= '9') ? c - '0' : 0;
    }
    return grid;
}

void ApplyLevelPattern(Grid81& puzzle, const Grid81& solution, int level, RandomGenerator& random)
{
    switch (std::max(level, 1)) {
    case 1:
        BlankInEveryRow(puzzle, 3, random);
        break;
    case 2:
        BlankInEveryRow(puzzle, 5, random);
        break;
    case 3:
        DrawCellsByBox(kNormalDraws, random, [&](int index) { puzzle[index] = 0; });
        break;
    case 4:
        DrawCellsByBox(kHardDraws, random, [&](int index) { puzzle[index] = 0; });
        break;
    case 5:
        RevealFromNothing(puzzle, solution, random);
        break;
    default:  // above 5: every cell stays given
        break;
    }
}

DealResult DealPuzzle(const std::string& path, int lineNumber, int level, RandomGenerator& random)
{
    PuzzleLineResult read = ReadPuzzleLine(path, lineNumber);
    if (!read.line)
        return {std::nullopt, read.error};

    DealtPuzzle game;
    game.solution = ParsePuzzleLine(*read.line);
    if (!IsSolvedGrid(game.solution))
        return {std::nullopt, PuzzleFileError::DamagedLine};
    game.puzzle = game.solution;
    ApplyLevelPattern(game.puzzle, game.solution, level, random);
    return {game, {}};
}
