// The board's menu and the mouse's back and forward buttons: undo, redo and the mark commands.
#include "CMainDlg.h"

#include "CBoardWnd.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

void CMainDlg::FillBoardMenu(QMenu& menu)
{
    // No '&' in these texts: a mnemonic would make a key do something other than an entry.
    menu.addAction(QStringLiteral("Undo"), this, &CMainDlg::OnUndo)->setEnabled(m_pBoard->m_history.CanUndo());
    menu.addAction(QStringLiteral("Redo"), this, &CMainDlg::OnRedo)->setEnabled(m_pBoard->m_history.CanRedo());
    menu.addAction(QStringLiteral("Keep only possible small digits"), this, &CMainDlg::OnKeepOnlyPossibleSmallDigits);
    menu.addAction(QStringLiteral("Show all small digits again"), this, &CMainDlg::OnShowAllSmallDigits);
}

void CMainDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::BackButton)
        OnUndo();
    else if (event->button() == Qt::ForwardButton)
        OnRedo();
    else
        CBitmapDialog::mousePressEvent(event);
}

void CMainDlg::OnUndo()
{
    m_pBoard->Undo();
    FocusLevelList();
}

void CMainDlg::OnRedo()
{
    m_pBoard->Redo();
    FocusLevelList();
}

void CMainDlg::OnKeepOnlyPossibleSmallDigits()
{
    m_pBoard->KeepOnlyPossibleSmallDigits();
    FocusLevelList();
}

void CMainDlg::OnShowAllSmallDigits()
{
    m_pBoard->ShowAllSmallDigits();
    FocusLevelList();
}
