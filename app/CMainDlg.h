// The game window: the board, the level list, the buttons, keyboard entry and quitting.
#pragma once

#include "CBitmapDialog.h"
#include "Grid81.h"
#include "Random.h"
#include "SolveWorker.h"

#include <QString>

#include <string>

class CBoardWnd;
class QCheckBox;
class QListWidget;
class QMenu;
class UiSeam;

class CMainDlg : public CBitmapDialog {
    Q_OBJECT
public:
    // Builds the whole window and deals the first Quick Game. `appDir` is the folder of
    // the executable (without a trailing separator), where data.dat and print.bmp live;
    // `random` feeds the board and Quick Game, and `ui` opens every modal window.
    CMainDlg(UiSeam& ui, const QString& appDir, RandomGenerator& random = GameRandom());
    ~CMainDlg() override;

    // Enables the buttons 1003, 1004, 1014, 1011, 1008 and 1009, in this order, and when
    // enabling also sets the caption of 1013 back to "Input game -> Solve".
    void EnableGameButtons(bool enable);

    // The keyboard entry for one released key, by virtual-key code (see VirtualKey.h).
    void OnKeyRelease(int virtualKey);
    // Space: reveals the solution's digit in the selected cell, up to three times a game.
    // Nothing happens, and no hint is used, on a given cell or where the solution has no
    // digit (a New Game grid leaves such cells).
    void GiveHint();
    // Every command ends here, so keys keep reaching the game.
    void FocusLevelList();

    // The window's context menu (right button outside the board): "&About Tessaly...".
    void FillContextMenu(QMenu& menu);
    // The board's context menu (right button on the board): "Undo", "Redo", "Keep only
    // possible small digits", "Show all small digits again", without shortcuts, since every
    // key release is an entry. Undo and Redo are disabled when there is nothing to undo or redo.
    void FillBoardMenu(QMenu& menu);
    // Runs the About box; closing it leaves the game as it was.
    void ShowAbout();
    // Load Game's work once a file is chosen, also for a game opened from the desktop: a file
    // that cannot be read or is not a saved game leaves the game as it was and says so.
    void LoadGameFrom(const QString& path);

    // The control of the layout with this id (its objectName), or null.
    QWidget* GetDlgItem(int id) const;

    // Never ends the dialog: Enter does nothing.
    void accept() override;
    // Escape, the close box and Alt+F4: "Are you sure to quit?"; only Yes closes.
    void reject() override;

    // What the commands work with.
    CBoardWnd* m_pBoard = nullptr;      // created once, lives as long as the window
    QString m_appDir;
    int m_level = 0;                    // 1-5, the level of the last Quick Game
    int m_hintsUsed = 0;                // hints taken in the current game, 0-3 in play
    QListWidget* m_levelList = nullptr; // control 1012, index + 1 = level
    QCheckBox* m_showSmallCheck = nullptr;  // control 1017
    UiSeam& m_ui;
    // Solves for GetAnswer and for an entered game, one at a time.
    SolveWorker m_solveWorker;

public slots:
    // The solver's completion notice (id 1234), queued to the window from the worker thread:
    // QMetaObject::invokeMethod(dialog, "OnTimer", Qt::QueuedConnection, Q_ARG(int, 1234)).
    void OnTimer(int id);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The mouse's back and forward buttons undo and redo.
    void mousePressEvent(QMouseEvent* event) override;

private slots:
    void OnQuickGame();
    // The other commands, in CMainDlgCommands.cpp.
    void OnSaveGame();
    void OnLoadGame();
    void OnDone();
    void OnGetResult();
    void OnShowSmall();
    void OnNewGame();
    void OnGetAnswer();
    void OnPrintToPaper();
    void OnGiveHelp();  // in CMainDlgHelp.cpp
    void OnInputGame();
    // The board menu's commands, in CMainDlgBoardMenu.cpp.
    void OnUndo();
    void OnRedo();
    void OnKeepOnlyPossibleSmallDigits();
    void OnShowAllSmallDigits();

private:
    void CreateControls();
    void ConnectCommands();
    void CreateBoard(RandomGenerator& random);
    // Writes `text` into the selected cell unless it is given, and redraws.
    void SetSelectedCellText(const std::string& text);

    // What a running solve is for, so its outcome lands where it belongs.
    enum class SolvePurpose { CompleteBoard, SolveEnteredGame };
    // Starts solving `grid` unless a solve is running (then nothing happens).
    void StartSolve(SolvePurpose purpose, const Grid81& grid);
    void ApplySolveOutcome(const SolveOutcome& outcome);
    void BeginGameEntry();
    void EndGameEntry();
    // During a puzzle entry: says "Press Solve first", gives the focus back and is true.
    bool RefuseDuringGameEntry();

    RandomGenerator& m_random;
    // Bumped by everything that replaces the game, so a solve of an older game is dropped.
    int m_gameGeneration = 0;
    int m_solveGeneration = 0;
    SolvePurpose m_solvePurpose = SolvePurpose::CompleteBoard;
    Grid81 m_solvedGrid{};         // what the running solve started from
    bool m_enteringGame = false;   // button 1013 reads "Solve"
};
