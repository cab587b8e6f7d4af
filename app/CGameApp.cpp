// Start-up: the data.dat check and the game window's modal run.
#include "CGameApp.h"

#include "CMainDlg.h"
#include "UiSeam.h"

#include <QDir>
#include <QFileInfo>

bool CheckDataFile(const QString& appDir, UiSeam& ui)
{
    if (QFileInfo::exists(QDir(appDir).filePath(QStringLiteral("data.dat"))))
        return true;
    ui.ShowMessage(QString::fromUtf8(MissingDataMessage));
    return false;
}

int CGameApp::InitInstance()
{
    if (!CheckDataFile(m_appDir, m_ui))
        return 1;
    CMainDlg dialog(m_ui, m_appDir);
    // Over the start-up deal, which stays when the file cannot be loaded.
    if (!m_gameFile.isEmpty())
        dialog.LoadGameFrom(m_gameFile);
    dialog.exec();
    return 0;
}
