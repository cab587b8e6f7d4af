// The program's entry: the display check, the Qt application, then the game, with the saved
// game named on the command line (as the desktop opens one).
#include "CGameApp.h"
#include "DisplayCheck.h"
#include "QtUiSeam.h"

#include <QApplication>
#include <QFileInfo>

#include <iostream>

int main(int argc, char* argv[])
{
    // Qt aborts without a display; say why in one line instead.
    if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
        std::cerr << reason << '\n';
        return 1;
    }
    QApplication application(argc, argv);
    // The caption of the plain message boxes is the executable's name, as the game always had it.
    QApplication::setApplicationName(QFileInfo(QApplication::applicationFilePath()).baseName());
    QtUiSeam ui;
    CGameApp game(ui, QApplication::applicationDirPath(), QApplication::arguments().value(1));
    return game.InitInstance();
}
