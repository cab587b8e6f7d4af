// The game commands behind the window's buttons; each gives the focus back to the level list.
#include "CMainDlg.h"

#include "BoardCheck.h"
#include "BoardGrid.h"
#include "CBoardWnd.h"
#include "FileMessages.h"
#include "HelpTexts.h"
#include "PictureBitmap.h"
#include "PlayerFolders.h"
#include "SavExtension.h"
#include "SavedGameBoard.h"
#include "SavedGameCodec.h"
#include "UiSeam.h"
#include "UndoStepScope.h"
#include "WholeFile.h"

#include <QCheckBox>
#include <QMetaObject>
#include <QPushButton>

#include <string>

namespace {

constexpr int HellLevel = 5;
constexpr int SolveFinishedId = 1234;

const QString SavedGameFilter = QStringLiteral("SaveGame (*.sav)");
const QString InputGameCaption = QStringLiteral("Input game -> Solve");
const QString SolveCaption = QStringLiteral("Solve");
const QString QuestionCaption = QStringLiteral("Question");

QString DoneMessage(DoneVerdict verdict)
{
    switch (verdict) {
    case DoneVerdict::Incomplete:
        return QStringLiteral("Seems you haven't completed the game, please continue to fill number into grid.");
    case DoneVerdict::Wrong:
        return QStringLiteral("Sorry, your result is wrong!");
    case DoneVerdict::Correct:
        break;
    }
    return QStringLiteral("Well done!!! Your result is correct!!!");
}

QString Message(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void CMainDlg::OnSaveGame()
{
    const QString chosen = m_ui.GetSaveFileName(ChooseGameFolder(m_appDir), SavedGameFilter);
    if (!chosen.isEmpty()) {
        const std::string path = AddSavExtension(chosen.toStdString());
        const std::string bytes = EncodeSavedGame(CaptureGame(*m_pBoard, m_hintsUsed));
        if (!WriteWholeFile(QString::fromStdString(path), QByteArrayView(bytes.data(), qsizetype(bytes.size()))))
            m_ui.ShowMessage(Message(CannotWriteMessage(path)));
    }
    FocusLevelList();
}

void CMainDlg::OnLoadGame()
{
    const QString chosen = m_ui.GetOpenFileName(ChooseGameFolder(m_appDir), SavedGameFilter);
    if (!chosen.isEmpty())
        LoadGameFrom(chosen);
    FocusLevelList();
}

void CMainDlg::LoadGameFrom(const QString& path)
{
    // The whole file is read and checked before the game is touched, so a bad file
    // leaves the game exactly as it was.
    const WholeFileRead read = ReadWholeFile(path);
    if (read.status == WholeFileRead::Status::CannotRead) {
        m_ui.ShowMessage(Message(CannotReadMessage(path.toStdString())));
        return;
    }
    const SavedGameResult result = read.status == WholeFileRead::Status::Read
        ? DecodeSavedGame(std::string_view(read.bytes.constData(), size_t(read.bytes.size())))
        : SavedGameResult{};
    if (!result.game) {
        m_ui.ShowMessage(Message(NotASavedGameMessage(path.toStdString())));
        return;
    }
    ApplyGame(*m_pBoard, *result.game);
    m_hintsUsed = result.game->m_hintsUsed;
    ++m_gameGeneration;
    EndGameEntry();
    m_pBoard->Redraw();
}

void CMainDlg::OnDone()
{
    if (RefuseDuringGameEntry())
        return;
    const DoneVerdict verdict = JudgeBoard(ReadCellValues(*m_pBoard), m_pBoard->m_puzzle, m_pBoard->m_solution);
    m_ui.ShowMessage(DoneMessage(verdict));
    FocusLevelList();
}

void CMainDlg::OnGetResult()
{
    if (RefuseDuringGameEntry())
        return;
    // m_level is the level of the last Quick Game: loading a game or a New Game keeps it.
    if (m_level == HellLevel) {
        m_ui.ShowMessage(QStringLiteral("Now is Hell level game! Do you know what is HELL? That means we won't show "
                                        "you the result, use your own brain!"));
    } else {
        const UndoStepScope step(*m_pBoard);
        WriteCellValues(*m_pBoard, m_pBoard->m_solution);
        m_pBoard->Redraw();
    }
    FocusLevelList();
}

void CMainDlg::OnShowSmall()
{
    m_pBoard->m_showSmall = m_showSmallCheck->isChecked();
    m_pBoard->Redraw();
    FocusLevelList();
}

void CMainDlg::OnNewGame()
{
    m_pBoard->FillRandomGrid();
    ++m_gameGeneration;
    EndGameEntry();
    FocusLevelList();
}

void CMainDlg::OnGetAnswer()
{
    StartSolve(SolvePurpose::CompleteBoard, ReadCellValues(*m_pBoard));
    FocusLevelList();
}

void CMainDlg::StartSolve(SolvePurpose purpose, const Grid81& grid)
{
    if (m_solveWorker.IsBusy())
        return;
    m_solvePurpose = purpose;
    m_solveGeneration = m_gameGeneration;
    m_solvedGrid = grid;
    // The worker's last step only queues the notice, by name so that nothing of ours is
    // built on the worker for this thread to read; OnTimer takes the outcome here.
    m_solveWorker.Start(grid, [this] {
        QMetaObject::invokeMethod(this, "OnTimer", Qt::QueuedConnection, Q_ARG(int, SolveFinishedId));
    });
}

void CMainDlg::OnTimer(int id)
{
    if (id != SolveFinishedId)
        return;
    const std::optional<SolveOutcome> outcome = m_solveWorker.TakeOutcome();
    if (!outcome || m_solveGeneration != m_gameGeneration)
        return;  // nothing finished, or the game it was solving has been replaced since
    ApplySolveOutcome(*outcome);
}

void CMainDlg::ApplySolveOutcome(const SolveOutcome& outcome)
{
    if (!outcome.answer) {
        m_ui.ShowMessage(QStringLiteral("No Answer"));
        return;
    }
    if (m_solvePurpose == SolvePurpose::SolveEnteredGame) {
        m_pBoard->m_puzzle = m_solvedGrid;
        m_pBoard->ShowGridAsGivens(m_solvedGrid);
        m_pBoard->m_solution = *outcome.answer;
        // The entered digits are givens now; older steps would take them out of their cells.
        m_pBoard->m_history.Clear();
        EndGameEntry();
    }
    const UndoStepScope step(*m_pBoard);
    WriteCellValues(*m_pBoard, *outcome.answer);
    m_pBoard->Redraw();
    if (m_solvePurpose == SolvePurpose::SolveEnteredGame)
        m_ui.ShowMessage(Message(SolvedPuzzleText(m_solvedGrid)));
}

void CMainDlg::OnPrintToPaper()
{
    const PrintPlace place = ChoosePrintPlace(m_appDir);
    const QString& path = place.m_path;
    const std::vector<std::uint8_t> bytes = EncodePictureBitmap(m_pBoard->Picture());
    const bool written = WriteWholeFile(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!written)
        m_ui.ShowMessage(CannotWritePrintMessage(place));
    FocusLevelList();
    // Only the picture just written: an older print.bmp would show another board, if there is one.
    if (written && !m_ui.OpenWithDefaultProgram(path)) {
        m_ui.ShowMessage(NoProgramForPictureMessage(place));
        FocusLevelList();
    }
}

void CMainDlg::OnInputGame()
{
    if (!m_enteringGame) {
        // A quick second click after a solve lands here too: the solved game is not wiped unasked.
        const bool gameOnBoard = !IsBoardEmpty(*m_pBoard);
        if (!gameOnBoard || m_ui.AskQuestion(QStringLiteral("Clear the board to enter a puzzle?"), QuestionCaption))
            BeginGameEntry();
    } else
        StartSolve(SolvePurpose::SolveEnteredGame, ReadCellValues(*m_pBoard));
    FocusLevelList();
}

bool CMainDlg::RefuseDuringGameEntry()
{
    // The entry has no solution yet: nothing may be judged, revealed or overwritten by one.
    if (!m_enteringGame)
        return false;
    m_ui.ShowMessage(QStringLiteral("Press Solve first"));
    FocusLevelList();
    return true;
}

void CMainDlg::BeginGameEntry()
{
    // An empty board of editable cells; the digits typed become the givens once solved.
    m_pBoard->m_puzzle = Grid81{};
    m_pBoard->m_solution = Grid81{};
    m_pBoard->ShowGridAsGivens(Grid81{});
    m_pBoard->ResetMarksAndHistory();
    ++m_gameGeneration;
    m_enteringGame = true;
    static_cast<QPushButton*>(GetDlgItem(1013))->setText(SolveCaption);
    m_pBoard->Redraw();
}

void CMainDlg::EndGameEntry()
{
    // A game with its own puzzle and solution is on the board, so there is no entry to solve.
    m_enteringGame = false;
    static_cast<QPushButton*>(GetDlgItem(1013))->setText(InputGameCaption);
}
