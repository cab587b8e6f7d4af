// The game window: the board, the level list, the buttons, keyboard entry and quitting.
#pragma once

#include "CBitmapDialog.h"
#include "Game.h"
#include "Grid81.h"
#include "Random.h"
#include "SolveWorker.h"
#include "VirtualKey.h"

#include <QString>

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
    // `random`, seeded from the clock when the board is created, feeds Quick Game and New
    // Game, and `ui` opens every modal window.
    CMainDlg(UiSeam& ui, const QString& appDir, RandomGenerator& random = GameRandom());
    ~CMainDlg() override;

    // Enables Save Game, Load Game, Get Result, help, Done and Print to Paper, in this order.
    void EnableGameButtons(bool enable);

    // The keyboard entry for one released key, by virtual-key code (see VirtualKey.h), or
    // the board menu's command that a Control shortcut asks for.
    void OnKeyRelease(int virtualKey, KeyCommand command = KeyCommand::None);
    // Space: the game's hint in the selected cell, or "Press Solve first" during an entry.
    void GiveHint();
    // Every command ends here, so keys keep reaching the game.
    void FocusLevelList();

    // The window's context menu (right button outside the board): "&About Tessaly...".
    void FillContextMenu(QMenu& menu);
    // The board's context menu (right button on the board): "Undo", "Redo", "Keep only
    // possible small digits", "Show all small digits again", "Paste puzzle", "Copy puzzle",
    // without shortcuts of their own, since the key filter decides what a key does. Undo and
    // Redo are disabled when there is nothing to undo or redo.
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

    // What the commands work with. The game changes only through its verbs; the board and
    // the window follow its changes.
    Game m_game;
    CBoardWnd* m_pBoard = nullptr;      // created once, lives as long as the window
    QString m_appDir;
    QListWidget* m_levelList = nullptr;     // IDC_LEVEL_LIST, index + 1 = level
    QCheckBox* m_showSmallCheck = nullptr;  // IDC_SHOW_SMALL
    UiSeam& m_ui;
    // Solves for GetAnswer, for an entered game and for a pasted puzzle, one at a time.
    SolveWorker m_solveWorker{SolveAndDescribe};
    // Searches the advice of "Give me some help!", one press at a time.
    Worker<HelpQuestion, HelpAdvice> m_helpWorker{[](const HelpQuestion& question) { return AdviseHelp(question); }};

signals:
    // Emitted by the workers' threads when their outcomes can be taken; queued to
    // OnSolveFinished and OnHelpFound.
    void SolveFinished();
    void HelpFound();

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
    void OnGiveHelp();  // in CMainDlgHelp.cpp, with OnHelpFound
    void OnInputGame();
    // The board menu's commands, in CMainDlgBoardMenu.cpp.
    void OnUndo();
    void OnRedo();
    void OnKeepOnlyPossibleSmallDigits();
    void OnShowAllSmallDigits();
    // A puzzle from the clipboard's text as the new game, and the givens onto it, in CMainDlgClipboard.cpp.
    void OnPastePuzzle();
    void OnCopyPuzzle();
    // Takes the solver's outcome on the window's thread and applies it to the game it was for.
    void OnSolveFinished();
    // Takes the help's advice on the window's thread and shows it while the board is the one it is about.
    void OnHelpFound();

private:
    void CreateControls();
    void ConnectCommands();
    void CreateBoard();
    // IDC_INPUT_GAME's caption tells whether a puzzle is being entered.
    void ShowEntryState();

    // What a running solve is for, so its outcome lands where it belongs.
    enum class SolvePurpose { CompleteBoard, SolveEnteredGame, StartPastedPuzzle };
    // Starts solving `grid` unless a solve is running (then nothing happens).
    void StartSolve(SolvePurpose purpose, const Grid81& grid);
    void ApplySolveOutcome(const SolveOutcome& outcome);
    // During a puzzle entry: says "Press Solve first", gives the focus back and is true.
    bool RefuseDuringGameEntry();
    // Just after `worker` has started: its outcome at once (through `found`) when it comes
    // within a moment, as if there were no thread; else the busy cursor until it comes.
    template <typename Question, typename Outcome>
    void AwaitOutcome(Worker<Question, Outcome>& worker, void (CMainDlg::*found)());
    // The busy cursor while a worker searches, the usual one otherwise.
    void ShowWhetherBusy();

    RandomGenerator& m_random;
    int m_solveSerial = 0;  // the game's serial when the running solve started
    SolvePurpose m_solvePurpose = SolvePurpose::CompleteBoard;
    Grid81 m_solvedGrid{};  // what the running solve started from
    HelpQuestion m_helpQuestion;  // what the running help search reads
};

template <typename Question, typename Outcome>
void CMainDlg::AwaitOutcome(Worker<Question, Outcome>& worker, void (CMainDlg::*found)())
{
    // Most searches end within this moment, and then the player sees nothing of the thread.
    if (worker.WaitFor(std::chrono::milliseconds(100)))
        (this->*found)();
    else
        ShowWhetherBusy();
}
