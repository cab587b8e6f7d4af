// The board's menu and the mouse's back and forward buttons: undo, redo and the mark commands.
#include "CMainDlg.h"

#include "PlayerTexts.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

void CMainDlg::FillBoardMenu(QMenu& menu)
{
    menu.addAction(Text(kUndoEntry), this, &CMainDlg::OnUndo)->setEnabled(m_game.CanUndo());
    menu.addAction(Text(kRedoEntry), this, &CMainDlg::OnRedo)->setEnabled(m_game.CanRedo());
    menu.addAction(Text(kKeepOnlyPossibleEntry), this, &CMainDlg::OnKeepOnlyPossibleSmallDigits);
    menu.addAction(Text(kShowAllSmallDigitsEntry), this, &CMainDlg::OnShowAllSmallDigits);
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
    m_game.Undo();
    FocusLevelList();
}

void CMainDlg::OnRedo()
{
    m_game.Redo();
    FocusLevelList();
}

void CMainDlg::OnKeepOnlyPossibleSmallDigits()
{
    m_game.KeepOnlyPossibleMarks();
    FocusLevelList();
}

void CMainDlg::OnShowAllSmallDigits()
{
    m_game.ShowAllMarks();
    FocusLevelList();
}
