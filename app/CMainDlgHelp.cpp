// "Give me some help!": points at what is wrong on the board or explains the next step; writes no digit.
#include "CMainDlg.h"

#include "BoardHelp.h"
#include "CBoardWnd.h"
#include "HelpTexts.h"
#include "UiSeam.h"

#include <array>

void CMainDlg::OnGiveHelp()
{
    if (RefuseDuringGameEntry())
        return;
    // The board as the player sees it: givens and typed digits. The small digits are the
    // player's notes and prove nothing.
    const Grid81& board = m_game.Digits();
    std::array<bool, 81> typed{};
    for (int i = 0; i < 81; ++i)
        typed[i] = board[i] != 0 && !m_game.IsGiven(i);
    const HelpAdvice advice = AdviseHelp(board, typed);
    if (advice.cell >= 0)
        m_pBoard->SelectCell(advice.cell);
    m_ui.ShowMessage(QString::fromStdString(HelpText(advice, board)));
    FocusLevelList();
}
