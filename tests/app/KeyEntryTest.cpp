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

const KeyCase KeyCases[] = {
    {"MainRow1", Qt::Key_1, Qt::NoModifier, "1"},        {"MainRow5", Qt::Key_5, Qt::NoModifier, "5"},
    {"MainRow9", Qt::Key_9, Qt::NoModifier, "9"},        {"MainRow0Clears", Qt::Key_0, Qt::NoModifier, ""},
    {"Keypad1", Qt::Key_1, Qt::KeypadModifier, "1"},     {"Keypad3", Qt::Key_3, Qt::KeypadModifier, "3"},
    {"Keypad9", Qt::Key_9, Qt::KeypadModifier, "9"},     {"Keypad0Clears", Qt::Key_0, Qt::KeypadModifier, ""},
    {"LetterClears", Qt::Key_A, Qt::NoModifier, ""},     {"ArrowClears", Qt::Key_Left, Qt::NoModifier, ""},
    {"BackspaceClears", Qt::Key_Backspace, Qt::NoModifier, ""},
    {"DeleteClears", Qt::Key_Delete, Qt::NoModifier, ""}, {"ShiftAloneClears", Qt::Key_Shift, Qt::NoModifier, ""},
    {"FunctionKeyClears", Qt::Key_F5, Qt::NoModifier, ""}, {"EnterClears", Qt::Key_Return, Qt::NoModifier, ""},
    {"PunctuationClears", Qt::Key_Comma, Qt::NoModifier, ""},
    // System keys: Alt, F10 and keys let go while Alt is held.
    {"AltChangesNothing", Qt::Key_Alt, Qt::NoModifier, "7"}, {"F10ChangesNothing", Qt::Key_F10, Qt::NoModifier, "7"},
    {"AltDigitChangesNothing", Qt::Key_6, Qt::AltModifier, "7"},
};

using KeyEntryTest = GameWindowFixture;

void SendKey(QWidget* target, QEvent::Type type, Qt::Key key, bool autoRepeat,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

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
    for (const Qt::Key key : {Qt::Key_8, Qt::Key_Space}) {
        const std::string before = Text(cell);
        SendKey(list, QEvent::KeyPress, key, false);
        for (int repeat = 0; repeat < 3; ++repeat) {
            SendKey(list, QEvent::KeyRelease, key, true);
            SendKey(list, QEvent::KeyPress, key, true);
        }
        EXPECT_EQ(Text(cell), before);
        EXPECT_EQ(m_dialog->m_hintsUsed, 0);
        SendKey(list, QEvent::KeyRelease, key, false);
        EXPECT_EQ(Text(cell), key == Qt::Key_8 ? "8" : Solution(cell));
    }
    EXPECT_EQ(m_dialog->m_hintsUsed, 1);
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

TEST_F(KeyEntryTest, TheListStillGetsItsKeys)
{
    // The filter passes every event on, so the arrow keys still move the level selection.
    Click(Qt::Key_Down);
    Click(Qt::Key_Down);
    EXPECT_EQ(m_dialog->m_levelList->currentRow(), 2);
}
