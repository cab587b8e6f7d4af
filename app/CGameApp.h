// The program: checks that data.dat is installed, then runs the game window until it closes.
#pragma once

#include <QString>

class UiSeam;

// The message when data.dat is missing beside the executable.
inline constexpr const char* MissingDataMessage =
    "data.dat file was removed, please reinstall Tessaly for windows\nProgram quit now";

// True when `appDir` holds something named data.dat; otherwise tells the player through `ui` and
// is false. Whether it can be read is left to the first deal, which says so in the open window.
bool CheckDataFile(const QString& appDir, UiSeam& ui);

class CGameApp {
public:
    // `appDir`: the executable's folder, without a trailing separator. `gameFile`: a saved
    // game to open instead of the start-up deal, or empty.
    CGameApp(UiSeam& ui, QString appDir, QString gameFile = {})
        : m_ui(ui), m_appDir(std::move(appDir)), m_gameFile(std::move(gameFile)) {}

    // Runs the game window modally when data.dat is there; returns the exit code, 0 when
    // the game ran, 1 when data.dat is missing (no window opens then).
    int InitInstance();

private:
    UiSeam& m_ui;
    QString m_appDir;
    QString m_gameFile;
};
