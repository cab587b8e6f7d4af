// Writing and checking the lines of a saved game.
#include "SavedGameCodec.h"

#include "SolvedGrid.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>
#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr size_t kCells = 81;
// Crossed-out digits: one character '0'-'7' for each three digits of a cell.
constexpr size_t kMarkGroups = 3;
constexpr size_t kMarksLine = kCells * kMarkGroups;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Splits off the next line, which may lack its line end. A CR before the LF is dropped, so
// files written with either convention read the same. Nothing when `bytes` is empty.
std::optional<std::string_view> TakeLine(std::string_view& bytes)
{
    if (bytes.empty())
        return std::nullopt;
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

// Splits off the first four lines; the last one may lack its line end.
std::optional<std::array<std::string_view, 4>> SplitFourLines(std::string_view& bytes)
{
    std::array<std::string_view, 4> lines;
    for (std::string_view& line : lines) {
        const std::optional<std::string_view> taken = TakeLine(bytes);
        if (!taken)
            return std::nullopt;
        line = *taken;
    }
    return lines;
}

// The crossed-out digits of a well-formed fifth line; nothing for any other line.
std::optional<std::array<std::uint16_t, kCells>> ReadCrossedOut(std::string_view line)
{
    if (line.size() != kMarksLine)
        return std::nullopt;
    std::array<std::uint16_t, kCells> crossedOut{};
    for (size_t i = 0; i < kMarksLine; ++i) {
        if (line[i] < '0' || line[i] > '7')
            return std::nullopt;
        crossedOut[i / kMarkGroups] |= static_cast<std::uint16_t>((line[i] - '0') << (3 * (i % kMarkGroups)));
    }
    return crossedOut;
}

// The fault of a line 1-3, if any.
std::optional<SavedGameFault> CheckCellLine(std::string_view line)
{
    if (line.size() < kCells)
        return SavedGameFault::ShortLine;
    for (size_t i = 0; i < kCells; ++i) {
        if (!IsDigit(line[i]))
            return SavedGameFault::NotADigit;
    }
    return std::nullopt;
}

// Digits only: no sign, no blanks, and a value that fits an int.
std::optional<int> ParseHintCount(std::string_view line)
{
    if (line.empty())
        return std::nullopt;
    for (char c : line) {
        if (!IsDigit(c))
            return std::nullopt;
    }
    int value = 0;
    if (std::from_chars(line.data(), line.data() + line.size(), value).ec != std::errc{})
        return std::nullopt;  // beyond int
    return value;
}

Grid81 ReadGrid(std::string_view line)
{
    Grid81 grid{};
    for (size_t i = 0; i < kCells; ++i)
        grid[i] = line[i] - '0';
    return grid;
}

SavedGameResult Rejected(SavedGameFault fault) { return {std::nullopt, fault}; }

}  // namespace

std::string EncodeSavedGame(const SavedGame& game)
{
    std::string bytes;
    bytes.reserve(3 * (kCells + kLineEnd.size()) + 16);
    for (const std::string& text : game.m_texts)
        bytes += text.empty() ? "0" : text;
    bytes += kLineEnd;
    for (const Grid81* grid : {&game.m_puzzle, &game.m_solution}) {
        for (int value : *grid)
            bytes += std::to_string(value);
        bytes += kLineEnd;
    }
    bytes += std::to_string(game.m_hintsUsed);
    bytes += kLineEnd;
    if (std::ranges::any_of(game.m_crossedOut, [](std::uint16_t digits) { return digits != 0; })) {
        for (const std::uint16_t digits : game.m_crossedOut) {
            for (size_t group = 0; group < kMarkGroups; ++group)
                bytes += static_cast<char>('0' + (digits >> (3 * group) & 7));
        }
        bytes += kLineEnd;
    }
    return bytes;
}

SavedGameResult DecodeSavedGame(std::string_view bytes)
{
    const auto lines = SplitFourLines(bytes);  // leaves what follows the fourth line in `bytes`
    if (!lines)
        return Rejected(SavedGameFault::TooFewLines);
    const auto& [shown, puzzle, solution, hints] = *lines;
    for (std::string_view line : {shown, puzzle, solution}) {
        if (const auto fault = CheckCellLine(line))
            return Rejected(*fault);
    }
    const std::optional<int> hintsUsed = ParseHintCount(hints);
    if (!hintsUsed)
        return Rejected(SavedGameFault::BadHintCount);

    SavedGame game;
    game.m_puzzle = ReadGrid(puzzle);
    game.m_solution = ReadGrid(solution);
    game.m_hintsUsed = *hintsUsed;
    game.m_enteringGame = game.m_puzzle == Grid81{} && game.m_solution == Grid81{};
    // Hints, Get Result and Done trust the solution; the entry has none until Solve.
    if (!game.m_enteringGame && !IsSolvedGrid(game.m_solution))
        return Rejected(SavedGameFault::BadSolution);
    for (size_t i = 0; i < kCells; ++i) {
        // A given cell always shows its digit; a file that says otherwise was not written by us.
        if (game.m_puzzle[i] != 0 && shown[i] != puzzle[i])
            return Rejected(SavedGameFault::GivenMismatch);
        if (game.m_puzzle[i] != 0 && game.m_puzzle[i] != game.m_solution[i])
            return Rejected(SavedGameFault::SolutionMismatch);
        if (shown[i] != '0')
            game.m_texts[i] = std::string(1, shown[i]);
    }
    if (const std::optional<std::string_view> fifth = TakeLine(bytes)) {
        if (const auto crossedOut = ReadCrossedOut(*fifth))
            game.m_crossedOut = *crossedOut;
    }
    return {std::move(game)};
}
