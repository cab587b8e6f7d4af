// The game commands behind the window's buttons; each gives the focus back to the level list.
#include "CMainDlg.h"

void CMainDlg::OnSaveGame()
{
    FocusLevelList();
}

void CMainDlg::OnLoadGame()
{
    FocusLevelList();
}

void CMainDlg::OnDone()
{
    FocusLevelList();
}

void CMainDlg::OnGetResult()
{
    FocusLevelList();
}

void CMainDlg::OnShowSmall()
{
    FocusLevelList();
}

void CMainDlg::OnNewGame()
{
    FocusLevelList();
}

void CMainDlg::OnGetAnswer()
{
    FocusLevelList();
}

void CMainDlg::OnPrintToPaper()
{
    FocusLevelList();
}

void CMainDlg::OnGiveHelp()
{
    FocusLevelList();
}

void CMainDlg::OnInputGame()
{
    FocusLevelList();
}

void CMainDlg::OnTimer(int)
{
}
