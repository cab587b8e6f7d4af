// Keyboard entry on the board: digits, clearing keys and hints, from wherever the focus rests.
#include "GameWindowFixture.h"

namespace {

using KeyEntryTest = GameWindowFixture;

// Each key from wherever the focus rests, on the selected cell holding 7 and on a given cell; Space
// reveals the solution's digit (the hint rules: the game's tests).
TEST_F(KeyEntryTest, KeyTableActsOnTheSelectedNonGivenCellAndNeverOnAGiven)
{
    const std::vector<int> open2 = Cells(false, 2);
    const int open = Solution(open2[0]) != '7' ? open2[0] : open2[1], given = FirstCell(true);  // a hint changes it
    const struct { const char* name; Qt::Key key; Qt::KeyboardModifiers modifiers; char expected; } keys[] = {
        {"main row 1", Qt::Key_1, {}, '1'},           {"main row 9", Qt::Key_9, {}, '9'},
        {"main row 0 clears", Qt::Key_0, {}, '.'},     {"keypad 3", Qt::Key_3, Qt::KeypadModifier, '3'},
        {"keypad 0 clears", Qt::Key_0, Qt::KeypadModifier, '.'}, {"a letter clears", Qt::Key_A, {}, '.'},
        {"Enter clears", Qt::Key_Return, {}, '.'},    {"Alt", Qt::Key_Alt, {}, '7'}, {"F10", Qt::Key_F10, {}, '7'},
        {"Space hints", Qt::Key_Space, {}, Solution(open)},  // on the list: Space would press a button
        {"Alt+6", Qt::Key_6, Qt::AltModifier, '7'},
    };
    const char givenDigit = Digit(given);
    QWidget* const focus[] = {m_dialog->m_levelList, m_dialog->GetDlgItem(IDC_QUICK_GAME), m_dialog->m_showSmallCheck};
    for (const auto& test : keys) {
        SCOPED_TRACE(test.name);
        QWidget* where = focus[(&test - keys) % 3];
        TheGame().EnterDigit(open, 7);
        Board().SelectCell(open);
        QTest::keyClick(where, test.key, test.modifiers);
        EXPECT_EQ(Digit(open), test.expected);
        Board().SelectCell(given);
        QTest::keyClick(where, test.key, test.modifiers);
        EXPECT_EQ(Digit(given), givenDigit);
    }
}

}  // namespace
