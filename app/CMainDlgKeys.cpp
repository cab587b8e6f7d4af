// Keyboard entry: released keys fill or clear the selected cell, Space gives a hint.
#include "CMainDlg.h"

#include "CBoardWnd.h"
#include "UiSeam.h"
#include "UndoStepScope.h"
#include "VirtualKey.h"

#include <string>

namespace {

constexpr int HintsPerGame = 3;

}  // namespace

void CMainDlg::SetSelectedCellText(const std::string& text)
{
    CCell* cell = m_pBoard->GetSelectedCell();
    if (cell->m_given)
        return;
    const UndoStepScope step(*m_pBoard);
    cell->m_text = text;
    m_pBoard->Redraw();
}

void CMainDlg::OnKeyRelease(int virtualKey)
{
    const bool mainRowDigit = virtualKey > VirtualKey::Digit0 && virtualKey <= VirtualKey::Digit0 + 9;
    const bool keypadDigit = virtualKey >= VirtualKey::Numpad0 && virtualKey <= VirtualKey::Numpad0 + 9;
    if (mainRowDigit)
        SetSelectedCellText(std::string(1, static_cast<char>(virtualKey)));
    else if (virtualKey == VirtualKey::Space)
        GiveHint();
    else if (keypadDigit && virtualKey != VirtualKey::Numpad0)
        SetSelectedCellText(std::to_string(virtualKey - VirtualKey::Numpad0));
    else
        SetSelectedCellText(std::string());  // 0, keypad 0 and every other key clear
}

void CMainDlg::GiveHint()
{
    if (m_enteringGame) {
        m_ui.ShowMessage(QStringLiteral("Press Solve first"));
        return;
    }
    if (m_hintsUsed >= HintsPerGame)
        return;
    CCell* cell = m_pBoard->GetSelectedCell();
    const int index = m_pBoard->IndexOf(cell);
    if (cell->m_given || index < 0)
        return;
    const int digit = m_pBoard->m_solution[index];
    if (digit < 1 || digit > 9)
        return;  // no digit to reveal here, so no hint is spent either
    const UndoStepScope step(*m_pBoard);  // undoing it brings the cell back, not the hint
    cell->m_text = std::to_string(digit);
    ++m_hintsUsed;
    m_pBoard->Redraw();
}
