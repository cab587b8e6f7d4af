// The five level patterns: which cells each scripted draw blanks or reveals, and dealing a game.
#include "PuzzleFile.h"
#include "ScriptedDraws.h"
#include "ScriptedRandom.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

namespace {

const std::string kSolution =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

// '#' is a cell that keeps (or, at level 5, shows) the solution's digit, '.' an empty one.
Grid81 FromMask(const std::string& mask)
{
    const Grid81 solution = ParsePuzzleLine(kSolution);
    Grid81 grid{};
    for (int i = 0; i < 81; ++i)
        grid[i] = mask.at(i) == '#' ? solution[i] : 0;
    return grid;
}

// Level 1: row r draws columns r, 0, r: it loses column 0 and its diagonal cell.
std::vector<int> VeryEasyDraws()
{
    std::vector<int> draws;
    for (int r = 0; r < 9; ++r)
        draws.insert(draws.end(), {r, 0, r});
    return draws;
}

const std::string kVeryEasyMask = ".########"
                                  "..#######"
                                  ".#.######"
                                  ".##.#####"
                                  ".###.####"
                                  ".####.###"
                                  ".#####.##"
                                  ".######.#"
                                  ".#######.";

// Level 2: row r draws columns r, 8, r, 8, r + 1 (wrapping).
std::vector<int> EasyDraws()
{
    std::vector<int> draws;
    for (int r = 0; r < 9; ++r)
        draws.insert(draws.end(), {r, 8, r, 8, (r + 1) % 9});
    return draws;
}

const std::string kEasyMask = "..######."
                              "#..#####."
                              "##..####."
                              "###..###."
                              "####..##."
                              "#####..#."
                              "######..."
                              "#######.."
                              ".#######.";

// Every draw of the k-th visited box (k = 0-8) hits the box's k-th cell (row k / 3, column k % 3).
std::vector<int> OneCellPerBoxDraws(const std::array<int, 9>& drawsPerBox)
{
    std::vector<int> draws;
    for (int k = 0; k < 9; ++k) {
        for (int n = 0; n < drawsPerBox[k]; ++n)
            draws.insert(draws.end(), {k / 3, k % 3});
    }
    return draws;
}

// Visits (0,0) (3,0) (0,3) (3,3) (6,3) (3,6) (0,6) (6,0) (6,6) lose cells 0, 1, ... 8 of their box.
const std::string kOneCellPerBoxMask = ".####.###"
                                       "#########"
                                       "######.##"
                                       "#.#######"
                                       "###.####."
                                       "#########"
                                       "#########"
                                       "####.####"
                                       "#.######.";

std::vector<int> EveryCellOfEveryBoxDraws()
{
    std::vector<int> draws;
    for (int k = 0; k < 9; ++k) {
        for (int i = 0; i < 9; ++i)
            draws.insert(draws.end(), {i / 3, i % 3});
    }
    return draws;
}

// Level 5: the box-number draws, then per visited box the (r, c) of each of its draws.
std::vector<int> HellDraws(std::vector<int> boxNumberDraws,
                           const std::array<std::vector<std::pair<int, int>>, 9>& cellsPerBox)
{
    std::vector<int> draws = std::move(boxNumberDraws);
    for (const auto& cells : cellsPerBox) {
        for (auto [r, c] : cells)
            draws.insert(draws.end(), {r, c});
    }
    return draws;
}

// x = 2, y drawn as 2 again and then 5, z drawn as 2, as 5 and then 8: boxes 2, 5 and 8 of the
// visiting order, (3,0), (6,3) and (6,0), show two cells, the others their four corners.
std::vector<int> HellDistinctCellsDraws()
{
    const std::vector<std::pair<int, int>> corners = {{0, 0}, {0, 2}, {2, 0}, {2, 2}};
    const std::vector<std::pair<int, int>> two = {{1, 1}, {1, 2}};
    return HellDraws({1, 1, 4, 1, 4, 7},
                     {corners, two, corners, corners, two, corners, corners, two, corners});
}

const std::string kHellDistinctCellsMask = "#.##.##.#"
                                           "........."
                                           "#.##.##.#"
                                           "...#.##.#"
                                           ".##......"
                                           "...#.##.#"
                                           "......#.#"
                                           ".##.##..."
                                           "......#.#";

// Boxes 1, 2 and 3 chosen without redraws; every draw hits the centre of its box.
std::vector<int> HellRepeatedCellDraws()
{
    const std::vector<std::pair<int, int>> four(4, {1, 1});
    const std::vector<std::pair<int, int>> two(2, {1, 1});
    return HellDraws({0, 1, 2}, {two, two, two, four, four, four, four, four, four});
}

const std::string kBoxCentresMask = "........."
                                    ".#..#..#."
                                    "........."
                                    "........."
                                    ".#..#..#."
                                    "........."
                                    "........."
                                    ".#..#..#."
                                    ".........";

struct LevelCase {
    const char* name;
    int level;
    std::vector<int> draws;  // what each RandomBelow call returns, in order
    std::size_t randomBelowCalls;
    std::string mask;
};

void PrintTo(const LevelCase& test, std::ostream* out) { *out << test.name; }

class LevelPatternTest : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelPatternTest, ScriptedDrawsHitExactlyTheExpectedCells)
{
    const LevelCase& test = GetParam();
    ASSERT_EQ(test.draws.size(), test.randomBelowCalls);
    const Grid81 solution = ParsePuzzleLine(kSolution);
    Grid81 puzzle = solution;
    ScriptedRandom random(ScriptedDraws(test.draws));

    ApplyLevelPattern(puzzle, solution, test.level, random);

    EXPECT_EQ(puzzle, FromMask(test.mask));
    EXPECT_EQ(random.Consumed(), 2 * test.randomBelowCalls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelPatternTest,
    testing::Values(
        LevelCase{"VeryEasyBlanksThreeDrawnColumnsPerRow", 1, VeryEasyDraws(), 27, kVeryEasyMask},
        LevelCase{"LevelZeroActsAsVeryEasy", 0, VeryEasyDraws(), 27, kVeryEasyMask},
        LevelCase{"NegativeLevelActsAsVeryEasy", -4, VeryEasyDraws(), 27, kVeryEasyMask},
        LevelCase{"EasyBlanksFiveDrawnColumnsPerRow", 2, EasyDraws(), 45, kEasyMask},
        LevelCase{"NormalVisitsBoxesInOrderWithSixDrawsInTwo", 3,
                  OneCellPerBoxDraws({7, 7, 7, 7, 7, 7, 6, 6, 7}), 2 * 61, kOneCellPerBoxMask},
        LevelCase{"HardVisitsBoxesInOrderWithNineDrawsEach", 4,
                  OneCellPerBoxDraws({9, 9, 9, 9, 9, 9, 9, 9, 9}), 2 * 81, kOneCellPerBoxMask},
        LevelCase{"HardCanBlankWholeBoxes", 4, EveryCellOfEveryBoxDraws(), 2 * 81,
                  std::string(81, '.')},
        LevelCase{"HellDistinctDrawsShowThirtyGivens", 5, HellDistinctCellsDraws(), 6 + 2 * 30,
                  kHellDistinctCellsMask},
        LevelCase{"HellDrawsOnOneCellShowOneGivenPerBox", 5, HellRepeatedCellDraws(), 3 + 2 * 30,
                  kBoxCentresMask},
        LevelCase{"AboveHellAppliesNoPattern", 6, {}, 0, std::string(81, '#')},
        LevelCase{"FarAboveHellAppliesNoPattern", 1000, {}, 0, std::string(81, '#')}),
    [](const auto& info) { return std::string(info.param.name); });

int CountDigits(const Grid81& grid, int firstRow, int firstColumn, int rows, int columns)
{
    int count = 0;
    for (int r = firstRow; r < firstRow + rows; ++r) {
        for (int c = firstColumn; c < firstColumn + columns; ++c)
            count += grid[GridIndex(r, c)] != 0;
    }
    return count;
}

struct RowKeepCase {
    int level;
    int minimumKept;
};

void PrintTo(const RowKeepCase& test, std::ostream* out) { *out << "level " << test.level; }

class LevelRowsKeepDigitsTest : public testing::TestWithParam<RowKeepCase> {};

TEST_P(LevelRowsKeepDigitsTest, EveryRowKeepsAtLeastNineMinusDraws)
{
    const Grid81 solution = ParsePuzzleLine(kSolution);
    StdRandomGenerator random;
    int fewestKept = 9;
    for (unsigned seed = 0; seed < 2000; ++seed) {
        random.Seed(seed);
        Grid81 puzzle = solution;
        ApplyLevelPattern(puzzle, solution, GetParam().level, random);
        for (int r = 0; r < 9; ++r)
            fewestKept = std::min(fewestKept, CountDigits(puzzle, r, 0, 1, 9));
    }
    EXPECT_GE(fewestKept, GetParam().minimumKept);
    EXPECT_LT(fewestKept, 9);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelRowsKeepDigitsTest,
                         testing::Values(RowKeepCase{1, 6}, RowKeepCase{2, 4}));

TEST(LevelPatternTest, HellShowsOneToFourSolutionDigitsPerBox)
{
    const Grid81 solution = ParsePuzzleLine(kSolution);
    StdRandomGenerator random;
    for (unsigned seed = 0; seed < 2000; ++seed) {
        random.Seed(seed);
        Grid81 puzzle = solution;
        ApplyLevelPattern(puzzle, solution, 5, random);
        int boxesWithAtMostTwo = 0;
        int total = 0;
        for (int box = 0; box < 9; ++box) {
            const int shown = CountDigits(puzzle, 3 * (box / 3), 3 * (box % 3), 3, 3);
            ASSERT_GE(shown, 1) << seed;
            ASSERT_LE(shown, 4) << seed;
            boxesWithAtMostTwo += shown <= 2;
            total += shown;
        }
        ASSERT_GE(boxesWithAtMostTwo, 3) << seed;
        ASSERT_GE(total, 9) << seed;
        ASSERT_LE(total, 30) << seed;
        for (int i = 0; i < 81; ++i)
            ASSERT_TRUE(puzzle[i] == 0 || puzzle[i] == solution[i]) << seed << " " << i;
    }
}

std::string ThreeLineFile(const std::string& second) { return "999\n" + second + "\n111\n"; }

TEST(DealPuzzleTest, ReadsTheLineIntoBothGridsThenAppliesThePattern)
{
    const TempFile file(ThreeLineFile(kSolution));
    ScriptedRandom random(ScriptedDraws(VeryEasyDraws()));
    const DealResult result = DealPuzzle(file.Path(), 2, 1, random);
    ASSERT_TRUE(result.game.has_value());
    EXPECT_EQ(result.game->solution, ParsePuzzleLine(kSolution));
    EXPECT_EQ(result.game->puzzle, FromMask(kVeryEasyMask));
    EXPECT_EQ(random.Consumed(), 2u * 27);
}

TEST(DealPuzzleTest, ShortLineAboveHellGivesItsDigitsInBothGrids)
{
    const TempFile file(ThreeLineFile("12"));
    ScriptedRandom random({});
    const DealResult result = DealPuzzle(file.Path(), 2, 6, random);
    ASSERT_TRUE(result.game.has_value());
    Grid81 expected{};
    expected[0] = 1;
    expected[1] = 2;
    EXPECT_EQ(result.game->solution, expected);
    EXPECT_EQ(result.game->puzzle, expected);
}

struct DealFailureCase {
    const char* name;
    bool fileExists;
    int lineNumber;
    PuzzleFileError error;
};

void PrintTo(const DealFailureCase& test, std::ostream* out) { *out << test.name; }

class DealPuzzleFailureTest : public testing::TestWithParam<DealFailureCase> {};

TEST_P(DealPuzzleFailureTest, ReportsAndDrawsNothing)
{
    std::optional<TempFile> file;
    std::string path = (std::filesystem::temp_directory_path() / "tessaly-no-such.dat").string();
    if (GetParam().fileExists) {
        file.emplace("");
        path = file->Path();
    }
    ScriptedRandom random(ScriptedDraws(VeryEasyDraws()));
    const DealResult result = DealPuzzle(path, GetParam().lineNumber, 1, random);
    EXPECT_FALSE(result.game.has_value());
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_EQ(random.Consumed(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DealPuzzleFailureTest,
    testing::Values(DealFailureCase{"MissingFile", false, 1, PuzzleFileError::CannotOpen},
                    DealFailureCase{"EmptyFile", true, 1, PuzzleFileError::NoLines},
                    DealFailureCase{"LineZero", true, 0, PuzzleFileError::BadLineNumber}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
