// Feeds arbitrary files to the data.dat reader and deals puzzles from them at every level.
#include "FuzzCheck.h"
#include "PuzzleFile.h"
#include "SolvedGrid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace {

// One scratch file per fuzzing process, removed when the process ends.
struct ScratchFile {
    std::filesystem::path path = std::filesystem::temp_directory_path()
                                 / ("tessaly-datafile-fuzz-" + std::to_string(std::random_device{}()) + ".dat");
    ~ScratchFile()
    {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

// Position i of the line: "1"-"9" is that digit, anything else (or nothing) 0.
void CheckParsed(const Grid81& grid, std::string_view line)
{
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const char c = i < line.size() ? line[i] : '0';
        FUZZ_CHECK(grid[i] == (c >= '1' && c <= '9' ? c - '0' : 0));
    }
}

// Blanking and revealing never invent a digit.
void CheckPuzzle(const Grid81& puzzle, const Grid81& solution)
{
    for (std::size_t i = 0; i < puzzle.size(); ++i)
        FUZZ_CHECK(puzzle[i] == 0 || puzzle[i] == solution[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(scratch.path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
    const std::string path = scratch.path.string();

    CheckParsed(ParsePuzzleLine(bytes), bytes);
    for (int lineNumber : {-1, 0, 1, 2, 3, 50}) {
        const PuzzleLineResult read = ReadPuzzleLine(path, lineNumber);
        if (lineNumber < 1) {
            FUZZ_CHECK(!read.line && read.error == PuzzleFileError::BadLineNumber);
            continue;
        }
        FUZZ_CHECK(read.line.has_value() == !bytes.empty());
        if (!read.line) {
            FUZZ_CHECK(read.error == PuzzleFileError::NoLines);
            continue;
        }
        FUZZ_CHECK(read.line->size() <= 254);
        // Without CRs, line 1 is the text before the first LF, cut at 254 characters and
        // then at its first NUL.
        if (lineNumber == 1 && bytes.find('\r') == std::string_view::npos) {
            const std::string_view read1 = bytes.substr(0, std::min<std::size_t>(bytes.find('\n'), 254));
            FUZZ_CHECK(*read.line == read1.substr(0, read1.find('\0')));
        }
        CheckParsed(ParsePuzzleLine(*read.line), *read.line);
    }

    // Every level, including those out of range, on the first line; the file read once more
    // through the whole deal.
    const Grid81 solution = ParsePuzzleLine(bytes.substr(0, bytes.find('\n')));
    StdRandomGenerator random;
    for (int level = 0; level <= 6; ++level) {
        Grid81 puzzle = solution;
        ApplyLevelPattern(puzzle, solution, level, random);
        CheckPuzzle(puzzle, solution);
    }
    const int level = static_cast<int>(size % 7);
    const int lineNumber = 1 + level * 9;
    const PuzzleLineResult line = ReadPuzzleLine(path, lineNumber);
    const DealResult dealt = DealPuzzle(path, lineNumber, level, random);
    // Only a line that is a solved grid is dealt.
    FUZZ_CHECK(dealt.game.has_value() == (line.line && IsSolvedGrid(ParsePuzzleLine(*line.line))));
    if (dealt.game)
        CheckPuzzle(dealt.game->puzzle, dealt.game->solution);
    else if (line.line)
        FUZZ_CHECK(dealt.error == PuzzleFileError::DamagedLine);
    return 0;
}
