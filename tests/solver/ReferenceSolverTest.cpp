// The plain reference search: its known call count, its call cap and its unchecked full grid.
#include "GridChecks.h"
#include "GridText.h"
#include "ReferenceSolver.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kEmptyGridCompletion =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";

TEST(ReferenceSolverTest, EmptyGridTakes392CallsAndGivesUpWithACapOf391)
{
    const ReferenceResult result = ReferenceSolve(Grid81{}, 1000);
    EXPECT_EQ(result.outcome, ReferenceOutcome::Solved);
    EXPECT_EQ(result.calls, 392);
    EXPECT_EQ(FormatGrid(result.grid), kEmptyGridCompletion);
    const ReferenceResult capped = ReferenceSolve(Grid81{}, 391);
    EXPECT_EQ(capped.outcome, ReferenceOutcome::GaveUp);
    EXPECT_EQ(capped.calls, 392);
}

TEST(ReferenceSolverTest, FullGridCountsAsSolvedUncheckedEvenWithRepeats)
{
    Grid81 full = GridFromText(kEmptyGridCompletion);
    full[1] = full[0];
    const ReferenceResult result = ReferenceSolve(full, 10);
    EXPECT_EQ(result.outcome, ReferenceOutcome::Solved);
    EXPECT_EQ(result.calls, 1);
    EXPECT_EQ(result.grid, full);
}

TEST(ReferenceSolverTest, FirstEmptyCellSeeingAllDigitsFailsAfterNineTries)
{
    const ReferenceResult result = ReferenceSolve(
        GridFromText(".12345678" "9........" "........." "........." "........."
                     "........." "........." "........." "........."), 100);
    EXPECT_EQ(result.outcome, ReferenceOutcome::NoAnswer);
    EXPECT_EQ(result.calls, 1);
}

}  // namespace
