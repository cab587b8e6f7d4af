// Keyboard entry on the board: digits, clearing keys and hints, from wherever the focus rests.
#include "GameWindowFixture.h"

namespace {

using KeyEntryTest = GameWindowFixture;

// Each key from wherever the focus rests, on a cell holding 7 and on a given cell.
TEST_F(KeyEntryTest, KeyTableActsOnTheSelectedNonGivenCellAndNeverOnAGiven)
{
    const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; const char* expected; } keys[] = {
        {"main row 1", Qt::Key_1, {}, "1"},           {"main row 9", Qt::Key_9, {}, "9"},
        {"main row 0 clears", Qt::Key_0, {}, ""},     {"keypad 3", Qt::Key_3, Qt::KeypadModifier, "3"},
        {"keypad 0 clears", Qt::Key_0, Qt::KeypadModifier, ""}, {"a letter clears", Qt::Key_A, {}, ""},
        {"Enter clears", Qt::Key_Return, {}, ""},
        {"Alt", Qt::Key_Alt, {}, "7"}, {"F10", Qt::Key_F10, {}, "7"}, {"Alt+6", Qt::Key_6, Qt::AltModifier, "7"},
    };
    const int open = FirstCell(false), given = FirstCell(true);
    const std::string givenDigit = Text(given);
    QWidget* const focus[] = {m_dialog->m_levelList, m_dialog->GetDlgItem(1007), m_dialog->m_showSmallCheck};
    for (const auto& test : keys) {
        SCOPED_TRACE(test.name);
        QWidget* where = focus[(&test - keys) % 3];
        Select(open);
        Text(open) = "7";
        QTest::keyClick(where, test.key, test.modifiers);
        EXPECT_EQ(Text(open), test.expected);
        Select(given);
        QTest::keyClick(where, test.key, test.modifiers);
        EXPECT_EQ(Text(given), givenDigit);
    }
}

// Three hints a game, even over a right digit; none on a given or where the solution has no digit.
TEST_F(KeyEntryTest, ThreeHintsPerGameOnlyWhereTheSolutionHasADigit)
{
    const int given = FirstCell(true);
    const std::vector<int> open = Cells(false, 5);
    Board().m_solution[open[0]] = 0;
    Text(open[1]) = std::to_string(Board().m_solution[open[1]] % 9 + 1);
    Text(open[2]) = Solution(open[2]);
    std::string hinted = Shown();  // open[0] and open[4], the fourth hint, stay empty
    for (const int n : {1, 2, 3})
        hinted[open[n]] = Solution(open[n])[0];
    for (const int cell : {given, open[0], open[1], open[2], open[3], open[4]})
        Type(cell, Qt::Key_Space);
    EXPECT_EQ(m_dialog->m_hintsUsed, 3);
    EXPECT_EQ(Shown(), hinted);
    EXPECT_FALSE(Board().m_cells[open[1]]->m_given) << "a hint is no given";
}

}  // namespace
