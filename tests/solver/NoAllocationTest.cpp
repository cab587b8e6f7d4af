// SolveGrid and CountSolutions allocate nothing: global operator new counts what happens while a solve runs.
#include "GridText.h"
#include "PuzzleMaker.h"
#include "SolutionCount.h"
#include "Solver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<bool> g_counting{false};
static std::atomic<int> g_allocations{0};

// The replacement pair is malloc and free by design; GCC cannot see that they match.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size)
{
    if (g_counting.load())
        ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// The counter must first see one allocation, or a count of zero proves nothing.
TEST(NoAllocationTest, SolvingAndCountingAllocateNothing)
{
    g_allocations = 0;
    g_counting = true;
    int* volatile value = new int(5);  // volatile: the pair must not be optimised away
    g_counting = false;
    delete value;
    ASSERT_EQ(g_allocations.load(), 1);

    StdRandomGenerator random;
    random.Seed(11);
    const Grid81 puzzle = MakeMinimalPuzzle(MakeRandomSolution(random), random);
    const Grid81 hard = ParseGridLine(".....6....59.....82....8....45........3........6..3.54...325..6..................").value();
    // Long enough for the search to match units' digits to cells (a line of bounds.txt).
    const Grid81 matched = ParseGridLine("..................281.4..........2....2.6.4........1.6..3....8...4..........3.9.1").value();
    Grid81 result{};
    g_allocations = 0;
    g_counting = true;
    const bool solved = SolveGrid(Grid81{}, result) && SolveGrid(puzzle, result) && SolveGrid(hard, result) &&
                        SolveGrid(matched, result) && CountSolutions(hard, 100) == 100 &&
                        CountSolutions(puzzle, 2, result) == 1;
    g_counting = false;
    EXPECT_TRUE(solved);
    EXPECT_EQ(g_allocations.load(), 0);
}
