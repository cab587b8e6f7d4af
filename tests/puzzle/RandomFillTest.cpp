// RandomBelow's draws and the random grid of New Game: scripted draw sequences, dead ends included.
#include "PuzzleFile.h"
#include "RandomFill.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

TEST(RandomBelowTest, ZeroDrawsNothingAndEveryOtherBoundConsumesTwoValuesKeepingTheSecond)
{
    ScriptedRandom random({100, 23, 5, 40, 8, 17});
    const struct { int n, expected; size_t consumed; } draws[] = {
        {0, 0, 0}, {1, 0, 2}, {9, 40 % 9, 4}, {0, 0, 4}, {-9, 17 % 9, 6}};
    for (const auto& draw : draws) {
        EXPECT_EQ(RandomBelow(random, draw.n), draw.expected) << draw.n;
        EXPECT_EQ(random.Consumed(), draw.consumed) << draw.n;
    }
}

// Digit draws are written as digit - 1, the result of RandomBelow(9) that gives the digit.
TEST(BuildRandomGridTest, FollowsTheScriptedDraws)
{
    const struct { const char* name; std::vector<int> draws; std::string expected; } cases[] = {
        // Row 2 gets 4, 4, 4, 4, 4, 4, 4, 4, 7: two digits only, so row 0 is drawn and gets 1 . 2 . 3.
        {"TwoDigitsStartOverAndThreeEndTheChosenRow",
         {2, 3, 3, 3, 3, 3, 3, 3, 3, 6, 0, 0, 0, 1, 1, 2, 2, 2, 2, 2,
          1, 3, 2, 4, 3, 0, 4, 1, 5, 2, 6, 0, 7, 1, 8, 2},  // rows 1-8: (column, digit - 1)
         "1.2.3...." ".4......." "..5......" "...1....." "....2...." ".....3..." "......1.." ".......2." "........3"},
        // Column 0 holds 5-9 from rows 0-4 and the 1 of chosen row 6, whose box holds 1, 2, 3
        // and the 4 of row 7: no digit fits at (8, 0), so row 8 draws another column.
        {"DeadEndDrawsAnotherColumn",
         {6, 0, 1, 2, 0, 0, 0, 0, 0, 0,      // row 6: 1 2 3 . . . . . .
          0, 4, 0, 5, 0, 6, 0, 7, 0, 8,      // rows 0-4: 5-9 in column 0
          8, 0, 1, 3,                        // row 5: 1 at column 8; row 7: 4 at column 1
          0, 5, 0},                          // row 8: dead column 0, then column 5
         "5........" "6........" "7........" "8........" "9........" "........1" "123......" ".4......." ".....1..."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ScriptedRandom random = ScriptedRandom::FromDraws(test.draws);
        EXPECT_EQ(BuildRandomGrid(random), ParsePuzzleLine(test.expected));
        EXPECT_EQ(random.Consumed(), 2 * test.draws.size());
    }
}
