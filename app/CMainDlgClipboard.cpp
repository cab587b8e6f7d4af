// Puzzles in and out as text: Paste puzzle and Copy puzzle, read row by row as the board shows them.
#include "CMainDlg.h"

#include "BoardTextOrder.h"
#include "HelpTexts.h"
#include "PlayerTexts.h"
#include "PuzzleText.h"
#include "UiSeam.h"

void CMainDlg::OnPastePuzzle()
{
    const std::optional<Grid81> pasted = ParsePuzzleText(m_ui.ClipboardText().toStdString());
    if (!pasted) {
        m_ui.ShowMessage(QString::fromStdString(NoPuzzleOnClipboardText()));
    } else if (m_game.IsEmpty() || m_ui.AskQuestion(Text(kClearBoardQuestion), Text(kQuestionCaption))) {
        // An entry until the solver has spoken: a puzzle without a solution stays one, to be corrected.
        const Grid81 puzzle = SwapTextAndBoardOrder(*pasted);
        m_game.BeginEntry(puzzle);
        StartSolve(SolvePurpose::StartPastedPuzzle, puzzle);
    }
    FocusLevelList();
}

void CMainDlg::OnCopyPuzzle()
{
    // During an entry the digits typed so far are the puzzle.
    const Grid81& givens = m_game.IsEnteringPuzzle() ? m_game.Digits() : m_game.Puzzle();
    m_ui.SetClipboardText(QString::fromStdString(FormatPuzzleText(SwapTextAndBoardOrder(givens))));
    FocusLevelList();
}
