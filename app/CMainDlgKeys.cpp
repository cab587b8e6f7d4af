// Keyboard entry: released keys fill or clear the selected cell, Space gives a hint.
#include "CMainDlg.h"

#include "CBoardWnd.h"
#include "PlayerTexts.h"
#include "UiSeam.h"
#include "VirtualKey.h"

void CMainDlg::OnKeyRelease(int virtualKey)
{
    // 1-9 of the main row and of the keypad; their 0s clear like every other key.
    const bool mainRowDigit = virtualKey > VirtualKey::kDigit0 && virtualKey <= VirtualKey::kDigit0 + 9;
    const bool keypadDigit = virtualKey > VirtualKey::kNumpad0 && virtualKey <= VirtualKey::kNumpad0 + 9;
    const int cell = m_pBoard->GetSelectedIndex();
    if (mainRowDigit)
        m_game.EnterDigit(cell, virtualKey - VirtualKey::kDigit0);
    else if (virtualKey == VirtualKey::kSpace)
        GiveHint();
    else if (keypadDigit)
        m_game.EnterDigit(cell, virtualKey - VirtualKey::kNumpad0);
    else
        m_game.EnterDigit(cell, 0);
}

void CMainDlg::GiveHint()
{
    if (m_game.IsEnteringPuzzle())
        m_ui.ShowMessage(Text(kPressSolveFirst));
    else
        m_game.Hint(m_pBoard->GetSelectedIndex());
}
