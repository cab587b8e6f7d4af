// Clicks on the small digits ask the game to toggle one, and the game's changes redraw the board.
#include "BoardFixture.h"

#include <QSignalSpy>

// Each click zone is a ninth of cell 10 (65, 49, 130, 98), cut by integer division: columns of 22, 22 and
// 21 pixels, rows of 17, 16 and 16: the far corners, and both sides of each edge. Whether the cell takes
// marks is the game's to decide; with small digits switched off, or with another button, nothing is asked.
TEST(SmallDigitClick, EachZoneAsksForItsDigitWhileSmallDigitsAreShown)
{
    BoardOnDialog dialog;
    QSignalSpy requests(dialog.board, &CBoardWnd::SmallDigitClicked);
    struct Zone { int dx, dy, digit; };
    for (const Zone& c : {Zone{64, 0, 3}, Zone{0, 48, 7}, Zone{21, 16, 1}, Zone{22, 16, 2}, Zone{21, 17, 4},
                          Zone{22, 17, 5}, Zone{43, 32, 5}, Zone{44, 32, 6}, Zone{43, 33, 8}, Zone{44, 33, 9}}) {
        QTest::mouseClick(dialog.board, Qt::LeftButton, {}, QPoint(65 + c.dx, 49 + c.dy));
        EXPECT_EQ(requests.size() == 1 ? requests.takeFirst() : QVariantList(), QVariantList({10, c.digit}))
            << "at +" << c.dx << ",+" << c.dy;
    }
    QTest::mouseClick(dialog.board, Qt::RightButton, {}, QPoint(90, 60));
    dialog.board->SetShowSmall(false);
    QTest::mouseClick(dialog.board, Qt::LeftButton, {}, QPoint(90, 60));
    EXPECT_TRUE(requests.isEmpty());
}

// One redraw for each verb that changed the game, none for one that did not; a game that outlives its board
// tells no one.
TEST(SmallDigitClick, EveryChangeOfTheGameRedrawsTheBoardOnce)
{
    BoardOnDialog dialog;
    const int renders = dialog.board->RenderCount();
    dialog.game.ToggleMark(10, 5);
    dialog.game.EnterDigit(10, 5);
    dialog.game.EnterDigit(10, 5);
    EXPECT_EQ(dialog.board->RenderCount(), renders + 2);
    EXPECT_LT(CountPixels(dialog.board->Picture(), QRect(65, 49, 65, 49), QColor(180, 180, 180)), 10)
        << "the cell shows its digit, not its small digits";

    Game game;
    delete new CBoardWnd(nullptr, game);
    game.EnterDigit(0, 1);
}
