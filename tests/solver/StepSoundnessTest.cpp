// The step solver against the solutions of generated puzzles: no step may ever contradict the one solution.
#include "PuzzleMaker.h"
#include "SolutionCount.h"
#include "StepSolver.h"
#include "StepTechniques.h"
#include "TechniqueTable.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <numeric>
#include <utility>

namespace {

// AddressSanitizer's build is unoptimised and checks every access: there a fifth of the
// puzzles still meets every technique and keeps the suite's time down.
#if defined(__SANITIZE_ADDRESS__)
constexpr int PuzzleCount = 400;
#else
constexpr int PuzzleCount = 2000;
#endif

// Removes the clues of `solution` in random order while the solution stays the only one;
// counting to two is cheaper than MakeMinimalPuzzle's smallest and largest completions.
Grid81 MinimalPuzzle(const Grid81& solution, RandomGenerator& random)
{
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    for (int i = 80; i > 0; --i)
        std::swap(order[i], order[RandomBelow(random, i + 1)]);
    Grid81 puzzle = solution;
    for (const int cell : order) {
        const int digit = std::exchange(puzzle[cell], 0);
        if (CountSolutions(puzzle, 2) != 1)
            puzzle[cell] = digit;
    }
    return puzzle;
}

}  // namespace

// Minimal puzzles are hard enough to need every technique somewhere. Every technique is asked
// on its own as well: the singles and direct ones everywhere (direct claiming hardly ever
// comes first), the others wherever the easiest step places no digit, but the forcing chains,
// which cost the most, only at the first such place of some puzzles. A step must change
// something; a placement must write the solution's digit into an empty cell, an elimination
// remove a candidate that is there and is not the solution's digit; and no step may be easier
// than the one the solver chose. With the nested chains, every puzzle has a logical path.
TEST(StepSoundness, NoStepContradictsTheSolutionOfThousandsOfPuzzles)
{
    StdRandomGenerator random;
    random.Seed(2026);
    std::map<Technique, int> checked;
    int solvedByLogic = 0;
    for (int puzzleNumber = 0; puzzleNumber < PuzzleCount && !HasFailure(); ++puzzleNumber) {
        const Grid81 solution = MakeRandomSolution(random);
        CandidateGrid state(MinimalPuzzle(solution, random));
        bool firstElimination = true;
        while (const std::optional<Step> easiest = FindEasiestStep(state, true)) {
            for (const TechniqueInfo& info : TechniqueTable()) {
                std::optional<Step> step = easiest->technique == info.technique ? easiest : std::nullopt;
                const bool everywhere = info.difficulty <= BaseDifficulty(Technique::DirectHiddenTriple);
                const bool forcing = info.difficulty >= BaseDifficulty(Technique::Nishio);
                const bool nested = info.difficulty >= BaseDifficulty(Technique::NestedForcingChains);
                const bool asked = everywhere || (easiest->placements.empty()
                                                  && (!forcing || (firstElimination && puzzleNumber % (nested ? 500 : 10) == 0)));
                if (!step && asked)
                    step = FindTechnique(state, info.technique);
                if (!step)
                    continue;
                SCOPED_TRACE(std::string(TechniqueName(step->technique)));
                ++checked[step->technique];
                EXPECT_FALSE(step->placements.empty() && step->eliminations.empty());
                EXPECT_GE(step->difficulty, easiest->difficulty);
                for (const CellDigit& placed : step->placements)
                    EXPECT_TRUE(state.Value(placed.cell) == 0 && placed.digit == solution[placed.cell]) << placed.cell;
                for (const CellDigit& removed : step->eliminations)
                    EXPECT_TRUE(state.Has(removed.cell, removed.digit) && removed.digit != solution[removed.cell])
                        << removed.cell;
            }
            firstElimination = firstElimination && !easiest->placements.empty();
            ApplyStep(state, *easiest);
        }
        if (state.IsFull()) {
            EXPECT_EQ(state.Values(), solution);
            ++solvedByLogic;
        }
    }
    for (const TechniqueInfo& info : TechniqueTable())
        EXPECT_GT(checked[info.technique], 0) << info.name << " never came up";
    EXPECT_EQ(solvedByLogic, PuzzleCount);
}
