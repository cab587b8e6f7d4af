// "Give me some help!": points at what is wrong on the board or explains the next step; writes no digit.
#include "CMainDlg.h"

#include "CBoardWnd.h"
#include "HelpTexts.h"
#include "UiSeam.h"

void CMainDlg::OnGiveHelp()
{
    if (m_helpWorker.IsBusy())
        return;  // the last press's search is still running
    if (RefuseDuringGameEntry())
        return;
    // The small digits are the player's notes and prove nothing: the help reads the digits.
    m_helpQuestion = m_game.QuestionForHelp();
    m_helpWorker.Start(m_helpQuestion, [this] { emit HelpFound(); });
    AwaitOutcome(m_helpWorker, &CMainDlg::OnHelpFound);
    FocusLevelList();  // also while the search runs on, so that keys keep reaching the game
}

void CMainDlg::OnHelpFound()
{
    const std::optional<HelpAdvice> advice = m_helpWorker.TakeOutcome();
    if (!advice)
        return;  // the notice of advice already taken
    ShowWhetherBusy();
    // Never advice about a board that is no longer there: the player may have typed, undone or
    // begun another game meanwhile.
    if (m_game.IsEnteringPuzzle() || m_game.QuestionForHelp() != m_helpQuestion)
        return;
    if (advice->cell >= 0)
        m_pBoard->SelectCell(advice->cell);
    m_ui.ShowMessage(QString::fromStdString(HelpText(*advice, m_helpQuestion.board)));
    FocusLevelList();
}
