// The verdict of "Done! Am I Right?": which board is complete, wrong or correct.
#include "BoardCheck.h"
#include "CommandFixture.h"

#include <gtest/gtest.h>

namespace {

struct VerdictCase {
    const char* name;
    std::string board;
    std::string puzzle;
    DoneVerdict verdict;
};

class JudgeBoardTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(JudgeBoardTest, GivesTheVerdict)
{
    const VerdictCase& c = GetParam();
    EXPECT_EQ(JudgeBoard(GridOf(c.board), GridOf(c.puzzle), GridOf(SolvedGrid)), c.verdict);
}

const std::string Solved(SolvedGrid);
const std::string Alternative = SwapDigits(Solved, '1', '2');
// Cells 3 and 10 hold 8 and 2 in the solution.
const std::string EmptyThenWrong = With(With(Solved, 3, '.'), 10, '5');
const std::string WrongThenEmpty = With(With(Solved, 3, '5'), 10, '.');

INSTANTIATE_TEST_SUITE_P(
    Boards, JudgeBoardTest,
    testing::Values(
        VerdictCase{"TheSolution", Solved, GivensWithoutOnesAndTwos(), DoneVerdict::Correct},
        VerdictCase{"ValidAlternativeKeepingTheGivens", Alternative, GivensWithoutOnesAndTwos(), DoneVerdict::Correct},
        VerdictCase{"ValidAlternativeChangingAGiven", Alternative, Solved, DoneVerdict::Wrong},
        VerdictCase{"FullBoardBreakingTheRules", With(Solved, 80, Solved[79]), GivensWithoutOnesAndTwos(),
                    DoneVerdict::Wrong},
        VerdictCase{"EmptyCellBeforeWrongCell", EmptyThenWrong, GivensWithoutOnesAndTwos(), DoneVerdict::Incomplete},
        VerdictCase{"WrongCellBeforeEmptyCell", WrongThenEmpty, GivensWithoutOnesAndTwos(), DoneVerdict::Wrong},
        VerdictCase{"EmptyBoard", std::string(81, '.'), std::string(81, '.'), DoneVerdict::Incomplete},
        VerdictCase{"OnlyTheLastCellEmpty", With(Solved, 80, '.'), GivensWithoutOnesAndTwos(),
                    DoneVerdict::Incomplete},
        // Not full, so walked against the solution: it differs at cell 5 before the gap at 40.
        VerdictCase{"IncompleteAlternativeIsWalkedAgainstTheSolution", With(Alternative, 40, '.'),
                    GivensWithoutOnesAndTwos(), DoneVerdict::Wrong}),
    [](const testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

TEST(JudgeBoardTest, FullValidBoardCountsWithoutAnySolution)
{
    // A grid entered by hand and solved, or a New Game, may leave m_solution without digits.
    EXPECT_EQ(JudgeBoard(GridOf(Alternative), Grid81{}, Grid81{}), DoneVerdict::Correct);
}

}  // namespace
