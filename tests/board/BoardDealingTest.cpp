// LoadPuzzle and FillRandomGrid as board operations: grids, given cells, one redraw, failures.
#include "BoardFixture.h"
#include "PuzzleFile.h"
#include "RandomFill.h"
#include "ScriptedRandom.h"

#include <QTemporaryDir>

#include <fstream>

static void ExpectCellsShowGivens(BoardOnDialog& dialog, const Grid81& givens)
{
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(dialog.Cell(i).m_given, givens[i] != 0) << i;
        EXPECT_EQ(dialog.Cell(i).m_text, givens[i] != 0 ? std::to_string(givens[i]) : "") << i;
    }
}

// Every draw 0: Very Easy blanks column 0 of each row. A missing file leaves everything as it was.
TEST(LoadPuzzle, DealsTheLineAsGivensAndAMissingFileChangesNothing)
{
    const std::string solution = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    QTemporaryDir folder;
    const std::string path = folder.filePath("data.dat").toStdString();
    std::ofstream(path) << "999\n" << solution << "\n";
    ScriptedRandom random(std::vector<int>(54, 0));
    BoardOnDialog dialog(random);
    const int renders = dialog.board->RenderCount();

    ASSERT_EQ(dialog.board->LoadPuzzle(path, 2, 1), std::nullopt);
    Grid81 expected = ParsePuzzleLine(solution);
    EXPECT_EQ(dialog.board->m_solution, expected);
    for (int row = 0; row < 9; ++row)
        expected[GridIndex(row, 0)] = 0;
    EXPECT_EQ(dialog.board->m_puzzle, expected);
    ExpectCellsShowGivens(dialog, expected);
    EXPECT_EQ(dialog.board->RenderCount(), renders + 1);

    const QImage picture = dialog.board->Picture();
    EXPECT_EQ(dialog.board->LoadPuzzle(folder.filePath("missing.dat").toStdString(), 1, 3), PuzzleFileError::CannotOpen);
    EXPECT_EQ(dialog.board->m_puzzle, expected);
    EXPECT_EQ(dialog.board->Picture(), picture);
}

// The new grid's givens replace those of the game before, in the cells and in m_puzzle.
TEST(FillRandomGrid, RandomGridBecomesSolutionPuzzleAndGivens)
{
    StdRandomGenerator random, same;
    BoardOnDialog dialog(random);
    random.Seed(5);
    same.Seed(5);
    dialog.SetCell(20, "4", false);
    dialog.board->FillRandomGrid();
    EXPECT_EQ(dialog.board->m_solution, BuildRandomGrid(same));
    EXPECT_EQ(dialog.board->m_puzzle, dialog.board->m_solution);
    ExpectCellsShowGivens(dialog, dialog.board->m_solution);
}
