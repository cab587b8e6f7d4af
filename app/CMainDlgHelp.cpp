// "Give me some help!": points at what is wrong on the board or explains the next step; writes no digit.
#include "CMainDlg.h"

#include "CBoardWnd.h"
#include "HelpTexts.h"
#include "UiSeam.h"

void CMainDlg::OnGiveHelp()
{
    if (RefuseDuringGameEntry())
        return;
    // The small digits are the player's notes and prove nothing: the help reads the digits.
    const HelpAdvice advice = m_game.Help();
    if (advice.cell >= 0)
        m_pBoard->SelectCell(advice.cell);
    m_ui.ShowMessage(QString::fromStdString(HelpText(advice, m_game.Digits())));
    FocusLevelList();
}
