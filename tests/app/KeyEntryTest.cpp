// Keyboard entry on the board: digits, clearing keys, hints and the releases that must not count.
#include "GameWindowFixture.h"

#include <QListWidget>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* expected;  // the non-given cell's text afterwards, starting from "7"
};

const KeyCase KeyCases[] = {
    {"MainRow1", Qt::Key_1, Qt::NoModifier, "1"},     {"MainRow9", Qt::Key_9, Qt::NoModifier, "9"},
    {"MainRow0Clears", Qt::Key_0, Qt::NoModifier, ""}, {"Keypad3", Qt::Key_3, Qt::KeypadModifier, "3"},
    {"Keypad0Clears", Qt::Key_0, Qt::KeypadModifier, ""}, {"LetterClears", Qt::Key_A, Qt::NoModifier, ""},
    {"EnterClears", Qt::Key_Return, Qt::NoModifier, ""},
    // System keys: Alt, F10 and keys let go while Alt is held.
    {"AltChangesNothing", Qt::Key_Alt, Qt::NoModifier, "7"}, {"F10ChangesNothing", Qt::Key_F10, Qt::NoModifier, "7"},
    {"AltDigitChangesNothing", Qt::Key_6, Qt::AltModifier, "7"},
};

using KeyEntryTest = GameWindowFixture;

}  // namespace

TEST_F(KeyEntryTest, KeyTableActsOnTheSelectedNonGivenCellAndNeverOnAGiven)
{
    const int open = FirstCell(false);
    const int given = FirstCell(true);
    const std::string givenDigit = Text(given);
    for (const KeyCase& test : KeyCases) {
        SCOPED_TRACE(test.name);
        Select(open);
        Text(open) = "7";
        Click(test.key, test.modifiers);
        EXPECT_EQ(Text(open), test.expected);

        Select(given);
        Click(test.key, test.modifiers);
        EXPECT_EQ(Text(given), givenDigit);
        EXPECT_TRUE(Board().m_cells[given]->m_given);
    }
}

TEST_F(KeyEntryTest, KeysReachTheBoardWhicheverControlHasTheFocusAndWithoutMouseTheFirstCell)
{
    const int cell = FirstCell(false);
    Select(cell);
    QTest::keyClick(m_dialog->GetDlgItem(1007), Qt::Key_4);
    EXPECT_EQ(Text(cell), "4");
    QTest::keyClick(m_dialog->m_showSmallCheck, Qt::Key_6);
    EXPECT_EQ(Text(cell), "6");

    Board().m_selected = nullptr;
    Board().m_cells[0]->m_given = false;
    Text(0) = "";
    Click(Qt::Key_5);
    EXPECT_EQ(Text(0), "5");
}

// As when Enter or Space dismisses a message box: the press closes the box, the release
// arrives at the game window. The reverse, a click over another window, changes no cell either.
TEST_F(KeyEntryTest, ReleaseWithoutItsPressOrWhosePressWentElsewhereIsIgnored)
{
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "5";
    QWidget messageBox;
    messageBox.show();
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_7);
    QTest::keyPress(&messageBox, Qt::Key_Space);
    QTest::keyPress(&messageBox, Qt::Key_Return);
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_Space);
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_Return);
    QTest::keyClick(&messageBox, Qt::Key_3);
    EXPECT_EQ(Text(cell), "5");
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
}

// A right digit already there still takes a hint.
TEST_F(KeyEntryTest, ThreeHintsPerGameUntilQuickGameRenewsThem)
{
    const std::vector<int> open = Cells(false, 4);
    Text(open[0]) = std::to_string(Board().m_solution[open[0]] % 9 + 1);
    Text(open[1]) = Solution(open[1]);
    const auto hint = [this](int cell) {
        Select(cell);
        Click(Qt::Key_Space);
    };
    for (int n = 0; n < 4; ++n)
        hint(open[n]);
    EXPECT_EQ(m_dialog->m_hintsUsed, 3);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(Text(open[n]), Solution(open[n])) << n;
        EXPECT_FALSE(Board().m_cells[open[n]]->m_given) << n;
    }
    EXPECT_EQ(Text(open[3]), "") << "no fourth hint";
    EXPECT_TRUE(FocusOnList());
    Select(open[0]);
    Click(Qt::Key_0);
    EXPECT_EQ(Text(open[0]), "") << "a hinted digit can be cleared";

    QuickGame(1);
    const int cell = FirstCell(false);
    hint(cell);
    EXPECT_EQ(m_dialog->m_hintsUsed, 1);
    EXPECT_EQ(Text(cell), Solution(cell));
}

TEST_F(KeyEntryTest, HintOnAGivenCellOrWhereTheSolutionHasNoDigitUsesNoHint)
{
    const int given = FirstCell(true);
    const std::string digit = Text(given);
    Select(given);
    Click(Qt::Key_Space);
    EXPECT_EQ(Text(given), digit);

    // A New Game grid leaves cells without a solution digit.
    const int cell = FirstCell(false);
    Board().m_solution[cell] = 0;
    Select(cell);
    Click(Qt::Key_Space);
    EXPECT_EQ(Text(cell), "");
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
}
