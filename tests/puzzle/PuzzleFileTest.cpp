// data.dat: reading one line, turning it into a grid, and the five level patterns that deal a game from it.
#include "AtOnce.h"
#include "PuzzleFile.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <fstream>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// A file with given bytes in the temporary folder, removed again when the test ends. Tests run
// in parallel processes, so the name carries the running test's own name.
class TempFile {
public:
    explicit TempFile(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
    ~TempFile() { std::filesystem::remove(m_path); }
    std::string Path() const { return m_path.string(); }

private:
    inline static int s_count = 0;
    std::filesystem::path m_path = std::filesystem::temp_directory_path() /
        ("tessaly-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" + std::to_string(++s_count) + ".dat");
};

const std::string kSolution =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// '#' is a cell that keeps (or, at level 5, shows) the solution's digit, '.' an empty one.
Grid81 FromMask(const std::string& mask)
{
    Grid81 grid = ParsePuzzleLine(kSolution);
    for (int i = 0; i < 81; ++i)
        grid[i] = mask.at(i) == '#' ? grid[i] : 0;
    return grid;
}

using Cells = std::vector<std::pair<int, int>>;  // (r, c) inside a box, one per draw

// Levels 3-5: `draws` (level 5's box numbers), then the cells of each box in visiting order.
std::vector<int> BoxDraws(std::vector<int> draws, const std::vector<Cells>& cellsPerBox)
{
    for (const Cells& cells : cellsPerBox)
        for (auto [r, c] : cells)
            draws.insert(draws.end(), {r, c});
    return draws;
}

// Every draw of the k-th visited box (k = 0-8) hits the box's k-th cell (row k / 3, column k % 3).
std::vector<int> OneCellPerBoxDraws(const std::array<int, 9>& drawsPerBox)
{
    std::vector<Cells> cells;
    for (int k = 0; k < 9; ++k)
        cells.push_back(Cells(drawsPerBox[k], {k / 3, k % 3}));
    return BoxDraws({}, cells);
}


}  // namespace

// One file holds every kind of line: a lone CR, a line of 254 characters whose newline is left
// for the next read, one of 300 that counts as two reads, a NUL that ends the line's text but not
// its read, and a last line without newline. Past the end, up to INT_MAX, the last line stays.
// The file is read again with CR LF line ends, which must read alike.
TEST(ReadPuzzleLineTest, ReadsTheNumberedLine)
{
    const std::string k254(254, '2'), a254(254, 'a'), b46(46, 'b');
    const std::string file = "abc\nd\ref\n" + k254 + "\n" + a254 + b46 + "\n" + std::string("12\0" "345\n", 7) + "ghi";
    const std::vector<std::string> lines = {"abc", "d\ref", k254, "", a254, b46, "12", "ghi"};
    std::string crlf;
    for (char c : file)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& bytes : {file, crlf}) {
        const TempFile temp(bytes);
        for (int n = 1; n <= 10; ++n) {
            const PuzzleLineResult result = ReadPuzzleLine(temp.Path(), n == 10 ? INT_MAX : n);
            ASSERT_TRUE(result.line.has_value()) << n;
            EXPECT_EQ(*result.line, lines[std::min<size_t>(n, lines.size()) - 1])
                << "line " << n << (bytes == crlf ? " with CR LF" : "");
        }
    }
}

// Dealing reports the same failure as reading and makes no draw. A folder or a FIFO is not even opened,
// so nothing waits for the FIFO's writer.
TEST(ReadPuzzleLineTest, ReadAndDealReportFailuresInsteadOfReading)
{
    const TempFile empty(""), oneLine("abc\n"), fifo("");
    const std::string missing = empty.Path() + ".missing";
    std::vector<std::tuple<std::string, int, PuzzleFileError>> cases = {
        {missing, 1, PuzzleFileError::CannotOpen}, {empty.Path(), 1, PuzzleFileError::NoLines},
        {oneLine.Path(), 0, PuzzleFileError::BadLineNumber}, {missing, 0, PuzzleFileError::BadLineNumber},
        {std::filesystem::temp_directory_path().string(), 1, PuzzleFileError::CannotOpen}};
#ifndef _WIN32
    std::filesystem::remove(fifo.Path());
    ASSERT_EQ(mkfifo(fifo.Path().c_str(), 0600), 0);
    cases.emplace_back(fifo.Path(), 1, PuzzleFileError::CannotOpen);
#endif
    for (const auto& [path, lineNumber, error] : cases) {
        SCOPED_TRACE(testing::Message() << path << " line " << lineNumber);
        const PuzzleLineResult result = AtOnce([&] { return ReadPuzzleLine(path, lineNumber); });
        EXPECT_FALSE(result.line.has_value());
        EXPECT_EQ(result.error, error);
        ScriptedRandom random = ScriptedRandom::FromDraws(std::vector<int>(27, 0));
        const DealResult deal = AtOnce([&] { return DealPuzzle(path, lineNumber, 1, random); });
        EXPECT_FALSE(deal.game.has_value());
        EXPECT_EQ(deal.error, error);
        EXPECT_EQ(random.Consumed(), 0u);
    }
}

// A line that is not a solved grid is never dealt and costs no draw: one of each rule broken, and the
// damage seen in the wild.
TEST(ReadPuzzleLineTest, DamagedLinesAreNotDealt)
{
    const auto swapped = [](std::string grid, int a, int b) { std::swap(grid[a], grid[b]); return grid; };
    const struct { const char* name; std::string line; } cases[] = {
        {"an empty cell", kSolution.substr(0, 40) + "0" + kSolution.substr(41)},
        {"rows clash", swapped(kSolution, 0, 9)},     // two cells of a box, one above the other
        {"columns clash", swapped(kSolution, 0, 1)},  // two cells of a box, side by side
        {"boxes clash", "123456789" "234567891" "345678912" "456789123" "567891234" "678912345" "789123456"
                        "891234567" "912345678"},
        {"all ones", std::string(81, '1')},
        {"cut to 40 characters", kSolution.substr(0, 40)},
        {"letters", std::string(81, 'x')},
        {"NUL bytes", std::string(81, '\0')},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const TempFile file(test.line + "\n");
        ScriptedRandom random = ScriptedRandom::FromDraws(std::vector<int>(27, 0));
        const DealResult deal = DealPuzzle(file.Path(), 1, 1, random);
        EXPECT_FALSE(deal.game.has_value());
        EXPECT_EQ(deal.error, PuzzleFileError::DamagedLine);
        EXPECT_EQ(random.Consumed(), 0u);
    }
}

// "1"-"9" are digits, anything else (0, signs, blanks, letters, line ends) an empty cell;
// a short line fills the first cells, and characters past the 81st are ignored.
TEST(ParsePuzzleLineTest, TakesOneCharacterPerCell)
{
    const struct { std::string line; std::vector<std::pair<int, int>> digits; } cases[] = {
        {"12", {{0, 1}, {1, 2}}},
        {"0905+5 -7a3\t\r\n8", {{1, 9}, {3, 5}, {5, 5}, {8, 7}, {10, 3}, {14, 8}}},
        {std::string(80, '0') + "6123456789", {{80, 6}}},
    };
    for (const auto& test : cases) {
        Grid81 expected{};
        for (auto [index, value] : test.digits)
            expected[index] = value;
        EXPECT_EQ(ParsePuzzleLine(test.line), expected) << testing::PrintToString(test.line);
    }
}

// Each level dealt from line 2 of a file: both grids hold the line, then the puzzle loses (or,
// at level 5, shows) the drawn cells. Levels 3 and 4 visit (0,0) (3,0) (0,3) (3,3) (6,3) (3,6)
// (0,6) (6,0) (6,6), losing cells 0, 1, ... 8 of their box. Level 5 draws x = 2, y as 2 again and
// then 5, z as 2, as 5 and then 8: boxes 2, 5 and 8 of the visiting order, (3,0), (6,3) and
// (6,0), show two cells, the others their four corners.
TEST(LevelPatternTest, DealingTheLineBlanksExactlyTheDrawnCells)
{
    const TempFile file("999\n" + kSolution + "\n111\n");
    // Row r draws columns r, 0, r: it loses column 0 and its diagonal cell.
    const std::vector<int> veryEasyDraws = {0, 0, 0, 1, 0, 1, 2, 0, 2, 3, 0, 3, 4, 0, 4, 5, 0, 5, 6, 0, 6, 7, 0, 7, 8, 0, 8};
    const std::string veryEasy =
        ".########" "..#######" ".#.######" ".##.#####" ".###.####" ".####.###" ".#####.##" ".######.#" ".#######.";
    const std::string oneCellPerBox =
        ".####.###" "#########" "######.##" "#.#######" "###.####." "#########" "#########" "####.####" "#.######.";
    const Cells corners = {{0, 0}, {0, 2}, {2, 0}, {2, 2}}, two = {{1, 1}, {1, 2}};
    const struct { const char* name; int level; std::vector<int> draws; std::string mask; } cases[] = {
        {"VeryEasyBlanksThreeDrawnColumnsPerRow", 1, veryEasyDraws, veryEasy},
        {"LevelZeroActsAsVeryEasy", 0, veryEasyDraws, veryEasy},
        {"EasyBlanksFiveDrawnColumnsPerRow", 2,  // row r draws columns r, 8, r, 8, r + 1 (wrapping)
         {0, 8, 0, 8, 1, 1, 8, 1, 8, 2, 2, 8, 2, 8, 3, 3, 8, 3, 8, 4, 4, 8, 4, 8, 5,
          5, 8, 5, 8, 6, 6, 8, 6, 8, 7, 7, 8, 7, 8, 8, 8, 8, 8, 8, 0},
         "..######." "#..#####." "##..####." "###..###." "####..##." "#####..#." "######..." "#######.." ".#######."},
        {"NormalVisitsBoxesInOrderWithSixDrawsInTwo", 3, OneCellPerBoxDraws({7, 7, 7, 7, 7, 7, 6, 6, 7}), oneCellPerBox},
        {"HardVisitsBoxesInOrderWithNineDrawsEach", 4, OneCellPerBoxDraws({9, 9, 9, 9, 9, 9, 9, 9, 9}), oneCellPerBox},
        {"HellDistinctDrawsShowThirtyGivens", 5,
         BoxDraws({1, 1, 4, 1, 4, 7}, {corners, two, corners, corners, two, corners, corners, two, corners}),
         "#.##.##.#" "........." "#.##.##.#" "...#.##.#" ".##......" "...#.##.#" "......#.#" ".##.##..." "......#.#"},
        {"AboveHellAppliesNoPattern", 6, {}, std::string(81, '#')},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ScriptedRandom random = ScriptedRandom::FromDraws(test.draws);
        const DealResult result = DealPuzzle(file.Path(), 2, test.level, random);
        ASSERT_TRUE(result.game.has_value());
        EXPECT_EQ(result.game->solution, ParsePuzzleLine(kSolution));
        EXPECT_EQ(result.game->puzzle, FromMask(test.mask));
        EXPECT_EQ(random.Consumed(), 2 * test.draws.size());
    }
}
