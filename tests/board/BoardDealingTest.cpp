// LoadPuzzle and FillRandomGrid as board operations: grids, cells, one redraw, failures.
#include "BoardFixture.h"
#include "RandomFill.h"
#include "ScriptedRandom.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A valid solution grid, and the same grid with every digit d replaced by d % 9 + 1.
std::string SolutionLine(int shift)
{
    std::string line;
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            line += static_cast<char>('1' + ((row * 3 + row / 3 + column) % 9 + shift) % 9);
    return line;
}

Grid81 GridOf(const std::string& line)
{
    Grid81 grid{};
    for (size_t i = 0; i < grid.size(); ++i)
        grid[i] = line[i] - '0';
    return grid;
}

void ExpectCellsShowGivens(BoardOnDialog& dialog, const Grid81& givens)
{
    for (int i = 0; i < 81; ++i) {
        const int value = givens[static_cast<size_t>(i)];
        EXPECT_EQ(dialog.Cell(i).m_given, value != 0) << i;
        EXPECT_EQ(dialog.Cell(i).m_text, value != 0 ? std::to_string(value) : "") << i;
    }
}

class LoadPuzzle : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        std::ofstream(m_path) << SolutionLine(0) << "\n" << SolutionLine(1) << "\n";
    }

    QTemporaryDir m_folder;
    std::string m_path = m_folder.filePath("data.dat").toStdString();
};

}  // namespace

TEST_F(LoadPuzzle, VeryEasyWithEveryDrawZeroBlanksTheFirstColumnOfEachRow)
{
    ScriptedRandom random(std::vector<int>(54, 0));
    BoardOnDialog dialog(random);
    CCell* selected = &dialog.Cell(7);
    dialog.board->m_selected = selected;
    dialog.board->m_showSmall = false;
    const int renders = dialog.board->RenderCount();

    ASSERT_TRUE(dialog.board->LoadPuzzle(m_path, 2, 1));

    Grid81 expected = GridOf(SolutionLine(1));
    EXPECT_EQ(dialog.board->m_solution, expected);
    for (int row = 0; row < 9; ++row)
        expected[static_cast<size_t>(GridIndex(row, 0))] = 0;
    EXPECT_EQ(dialog.board->m_puzzle, expected);
    ExpectCellsShowGivens(dialog, expected);
    EXPECT_EQ(random.Consumed(), 54u);
    EXPECT_EQ(dialog.board->RenderCount(), renders + 1);
    EXPECT_EQ(dialog.board->m_selected, selected);
    EXPECT_FALSE(dialog.board->m_showSmall);
}

TEST_F(LoadPuzzle, LevelAboveFiveGivesEveryCellWithoutDrawing)
{
    ScriptedRandom random({});
    BoardOnDialog dialog(random);
    dialog.SetCell(3, "9", false);
    ASSERT_TRUE(dialog.board->LoadPuzzle(m_path, 1, 6));
    ExpectCellsShowGivens(dialog, GridOf(SolutionLine(0)));
}

TEST_F(LoadPuzzle, UnreadableFileLeavesTheBoardExactlyAsItWas)
{
    ScriptedRandom random({});
    BoardOnDialog dialog(random);
    dialog.SetCell(3, "9", false);
    dialog.SetCell(4, "2", true);
    dialog.board->m_solution[5] = 7;
    dialog.board->m_puzzle[6] = 8;
    const Grid81 solution = dialog.board->m_solution;
    const Grid81 puzzle = dialog.board->m_puzzle;
    const QImage picture = dialog.board->Picture();
    const int renders = dialog.board->RenderCount();

    EXPECT_FALSE(dialog.board->LoadPuzzle(m_folder.filePath("missing.dat").toStdString(), 1, 3));

    EXPECT_EQ(dialog.board->m_solution, solution);
    EXPECT_EQ(dialog.board->m_puzzle, puzzle);
    EXPECT_EQ(dialog.Cell(3).m_text, "9");
    EXPECT_TRUE(dialog.Cell(4).m_given);
    EXPECT_EQ(dialog.board->RenderCount(), renders);
    EXPECT_EQ(dialog.board->Picture(), picture);
    EXPECT_EQ(random.Consumed(), 0u);
}

// The grid's own rules are tested with BuildRandomGrid; here it must become the whole game.
TEST(FillRandomGrid, RandomGridBecomesSolutionPuzzleAndGivens)
{
    StdRandomGenerator random;
    BoardOnDialog dialog(random);
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        StdRandomGenerator same;
        same.Seed(seed);
        const Grid81 grid = BuildRandomGrid(same);
        random.Seed(seed);
        dialog.SetCell(20, "4", false);
        const int renders = dialog.board->RenderCount();
        dialog.board->FillRandomGrid();
        EXPECT_EQ(dialog.board->m_solution, grid);
        EXPECT_EQ(dialog.board->m_puzzle, grid);
        ExpectCellsShowGivens(dialog, grid);
        EXPECT_EQ(dialog.board->RenderCount(), renders + 1);
    }
}
