// Keyboard entry on the board: digits, clearing keys, hints and the releases that must not count.
#include "GameWindowFixture.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* expected;  // the non-given cell's text afterwards, starting from "7"
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

const KeyCase KeyCases[] = {
    {"MainRow1", Qt::Key_1, Qt::NoModifier, "1"},
    {"MainRow5", Qt::Key_5, Qt::NoModifier, "5"},
    {"MainRow9", Qt::Key_9, Qt::NoModifier, "9"},
    {"MainRow0Clears", Qt::Key_0, Qt::NoModifier, ""},
    {"Keypad1", Qt::Key_1, Qt::KeypadModifier, "1"},
    {"Keypad3", Qt::Key_3, Qt::KeypadModifier, "3"},
    {"Keypad9", Qt::Key_9, Qt::KeypadModifier, "9"},
    {"Keypad0Clears", Qt::Key_0, Qt::KeypadModifier, ""},
    {"LetterClears", Qt::Key_A, Qt::NoModifier, ""},
    {"ArrowClears", Qt::Key_Left, Qt::NoModifier, ""},
    {"BackspaceClears", Qt::Key_Backspace, Qt::NoModifier, ""},
    {"DeleteClears", Qt::Key_Delete, Qt::NoModifier, ""},
    {"ShiftAloneClears", Qt::Key_Shift, Qt::NoModifier, ""},
    {"FunctionKeyClears", Qt::Key_F5, Qt::NoModifier, ""},
    {"EnterClears", Qt::Key_Return, Qt::NoModifier, ""},
    {"PunctuationClears", Qt::Key_Comma, Qt::NoModifier, ""},
};

class KeyOnCell : public GameWindowFixture, public testing::WithParamInterface<KeyCase> {};

using KeyEntryTest = GameWindowFixture;

void SendKey(QWidget* target, QEvent::Type type, Qt::Key key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

}  // namespace

TEST_P(KeyOnCell, ReleaseActsOnTheSelectedNonGivenCell)
{
    const KeyCase& test = GetParam();
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "7";

    Click(test.key, test.modifiers);

    EXPECT_EQ(Text(cell), test.expected);
}

TEST_P(KeyOnCell, GivenCellNeverChanges)
{
    const KeyCase& test = GetParam();
    const int cell = FirstCell(true);
    Select(cell);
    const std::string before = Text(cell);

    Click(test.key, test.modifiers);

    EXPECT_EQ(Text(cell), before);
    EXPECT_TRUE(Board().m_cells[cell]->m_given);
}

INSTANTIATE_TEST_SUITE_P(KeyTable, KeyOnCell, testing::ValuesIn(KeyCases),
                         [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(KeyEntryTest, WithoutMouseTheFirstCellIsTheTarget)
{
    Board().m_selected = nullptr;
    Board().m_cells[0]->m_given = false;
    Text(0) = "";
    Click(Qt::Key_5);
    EXPECT_EQ(Text(0), "5");
}

TEST_F(KeyEntryTest, KeysReachTheBoardWhicheverControlHasTheFocus)
{
    const int cell = FirstCell(false);
    Select(cell);
    QTest::keyClick(m_dialog->GetDlgItem(1007), Qt::Key_4);
    EXPECT_EQ(Text(cell), "4");
    QTest::keyClick(m_dialog->m_showSmallCheck, Qt::Key_6);
    EXPECT_EQ(Text(cell), "6");
}

class ShiftedOne : public GameWindowFixture, public testing::WithParamInterface<Qt::Key> {};

// QTest reports the key as 1 with Shift held; X11 reports the symbol on the key, "!".
TEST_P(ShiftedOne, WritesOneAndReleasingShiftAfterwardsClears)
{
    const int cell = FirstCell(false);
    Select(cell);
    QWidget* list = m_dialog->m_levelList;
    SendKey(list, QEvent::KeyPress, Qt::Key_Shift, false, Qt::ShiftModifier);
    SendKey(list, QEvent::KeyPress, GetParam(), false, Qt::ShiftModifier);
    SendKey(list, QEvent::KeyRelease, GetParam(), false, Qt::ShiftModifier);
    EXPECT_EQ(Text(cell), "1");
    SendKey(list, QEvent::KeyRelease, Qt::Key_Shift, false);
    EXPECT_EQ(Text(cell), "");
}

INSTANTIATE_TEST_SUITE_P(AsReported, ShiftedOne, testing::Values(Qt::Key_1, Qt::Key_Exclam));

TEST_F(KeyEntryTest, HoldingAKeyActsOnceOnTheFinalRelease)
{
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "5";
    QWidget* list = m_dialog->m_levelList;
    SendKey(list, QEvent::KeyPress, Qt::Key_8, false);
    for (int repeat = 0; repeat < 3; ++repeat) {
        SendKey(list, QEvent::KeyRelease, Qt::Key_8, true);
        EXPECT_EQ(Text(cell), "5");
        SendKey(list, QEvent::KeyPress, Qt::Key_8, true);
    }
    SendKey(list, QEvent::KeyRelease, Qt::Key_8, false);
    EXPECT_EQ(Text(cell), "8");
}

TEST_F(KeyEntryTest, AutoRepeatedSpaceGivesOneHint)
{
    const int cell = FirstCell(false);
    Select(cell);
    QWidget* list = m_dialog->m_levelList;
    SendKey(list, QEvent::KeyPress, Qt::Key_Space, false);
    SendKey(list, QEvent::KeyRelease, Qt::Key_Space, true);
    SendKey(list, QEvent::KeyPress, Qt::Key_Space, true);
    SendKey(list, QEvent::KeyRelease, Qt::Key_Space, false);
    EXPECT_EQ(m_dialog->m_hintsUsed, 1);
}

TEST_F(KeyEntryTest, ReleaseWithoutItsPressIsIgnored)
{
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "5";
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_7);
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_Space);
    EXPECT_EQ(Text(cell), "5");
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
}

TEST_F(KeyEntryTest, ReleaseWhosePressWentToAnotherWindowIsIgnored)
{
    // As when Enter or Space dismisses a message box: the press closes the box, the release
    // arrives at the game window.
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "5";
    QWidget messageBox;
    messageBox.show();
    QTest::keyPress(&messageBox, Qt::Key_Space);
    QTest::keyPress(&messageBox, Qt::Key_Return);
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_Space);
    QTest::keyRelease(m_dialog->m_levelList, Qt::Key_Return);
    EXPECT_EQ(Text(cell), "5");
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
}

TEST_F(KeyEntryTest, ReleaseOverAnotherWindowChangesNoCell)
{
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = "5";
    QWidget other;
    other.show();
    QTest::keyClick(&other, Qt::Key_3);
    EXPECT_EQ(Text(cell), "5");
}

TEST_F(KeyEntryTest, ThreeHintsPerGameAndTheFourthDoesNothing)
{
    std::vector<int> blanks;
    for (int i = 0; i < 81 && blanks.size() < 4; ++i)
        if (!Board().m_cells[i]->m_given)
            blanks.push_back(i);
    ASSERT_EQ(blanks.size(), 4u);
    for (int n = 0; n < 4; ++n) {
        Select(blanks[n]);
        Click(Qt::Key_Space);
    }
    EXPECT_EQ(m_dialog->m_hintsUsed, 3);
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(Text(blanks[n]), std::to_string(Board().m_solution[blanks[n]])) << n;
    EXPECT_EQ(Text(blanks[3]), "");
    for (int n = 0; n < 3; ++n)
        EXPECT_FALSE(Board().m_cells[blanks[n]]->m_given);
}

TEST_F(KeyEntryTest, QuickGameRenewsTheHints)
{
    m_dialog->m_hintsUsed = 3;
    Press(1007);
    const int cell = FirstCell(false);
    Select(cell);
    Click(Qt::Key_Space);
    EXPECT_EQ(m_dialog->m_hintsUsed, 1);
    EXPECT_EQ(Text(cell), std::to_string(Board().m_solution[cell]));
}

TEST_F(KeyEntryTest, HintOnAGivenCellUsesNoHint)
{
    Select(FirstCell(true));
    Click(Qt::Key_Space);
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
}

TEST_F(KeyEntryTest, HintOnTheRightDigitStillCounts)
{
    const int cell = FirstCell(false);
    Select(cell);
    Text(cell) = std::to_string(Board().m_solution[cell]);
    Click(Qt::Key_Space);
    EXPECT_EQ(m_dialog->m_hintsUsed, 1);
    EXPECT_EQ(Text(cell), std::to_string(Board().m_solution[cell]));
}

TEST_F(KeyEntryTest, HintReplacesAWrongDigitAndCanBeCleared)
{
    const int cell = FirstCell(false);
    Select(cell);
    const int right = Board().m_solution[cell];
    Text(cell) = std::to_string(right % 9 + 1);
    Click(Qt::Key_Space);
    EXPECT_EQ(Text(cell), std::to_string(right));
    Click(Qt::Key_0);
    EXPECT_EQ(Text(cell), "");
}

TEST_F(KeyEntryTest, HintWhereTheSolutionHasNoDigitUsesNoHint)
{
    // A New Game grid leaves cells without a solution digit.
    const int cell = FirstCell(false);
    Select(cell);
    Board().m_solution[cell] = 0;
    Click(Qt::Key_Space);
    EXPECT_EQ(m_dialog->m_hintsUsed, 0);
    EXPECT_EQ(Text(cell), "");
}

TEST_F(KeyEntryTest, TheListStillGetsItsKeys)
{
    // The filter passes every event on, so the arrow keys still move the level selection.
    Click(Qt::Key_Down);
    Click(Qt::Key_Down);
    EXPECT_EQ(m_dialog->m_levelList->currentRow(), 2);
}
