// The five level patterns: which cells each scripted draw blanks or reveals, and dealing a game.
#include "PuzzleFile.h"
#include "ScriptedRandom.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <array>

namespace {

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
