// The game commands behind the window's buttons; each gives the focus back to the level list.
#include "CMainDlg.h"

#include "CBoardWnd.h"
#include "FileMessages.h"
#include "HelpTexts.h"
#include "PictureBitmap.h"
#include "PlayerFolders.h"
#include "PlayerTexts.h"
#include "SavExtension.h"
#include "SavedGameCodec.h"
#include "UiSeam.h"
#include "WholeFile.h"

#include <QCheckBox>

#include <string>

namespace {

QString DoneMessage(DoneVerdict verdict)
{
    switch (verdict) {
    case DoneVerdict::Incomplete:
        return Text(kDoneIncomplete);
    case DoneVerdict::Wrong:
        return Text(kDoneWrong);
    case DoneVerdict::Correct:
        break;
    }
    return Text(kDoneCorrect);
}

QString Message(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void CMainDlg::OnSaveGame()
{
    const QString chosen = m_ui.GetSaveFileName(ChooseGameFolder(m_appDir), Text(kSavedGameFilter));
    if (!chosen.isEmpty()) {
        const std::string path = AddSavExtension(chosen.toStdString());
        const std::string bytes = EncodeSavedGame(m_game.ToSavedGame());
        if (!WriteWholeFile(QString::fromStdString(path), QByteArrayView(bytes.data(), qsizetype(bytes.size()))))
            m_ui.ShowMessage(Message(CannotWriteMessage(path)));
    }
    FocusLevelList();
}

void CMainDlg::OnLoadGame()
{
    const QString chosen = m_ui.GetOpenFileName(ChooseGameFolder(m_appDir), Text(kSavedGameFilter));
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
    m_game.Load(*result.game);
}

void CMainDlg::OnDone()
{
    if (RefuseDuringGameEntry())
        return;
    m_ui.ShowMessage(DoneMessage(m_game.Judge()));
    FocusLevelList();
}

void CMainDlg::OnGetResult()
{
    if (RefuseDuringGameEntry())
        return;
    if (!m_game.RevealResult())
        m_ui.ShowMessage(Text(kHellRefusesResult));
    FocusLevelList();
}

void CMainDlg::OnShowSmall()
{
    m_pBoard->SetShowSmall(m_showSmallCheck->isChecked());
    FocusLevelList();
}

void CMainDlg::OnNewGame()
{
    m_game.FillRandomGrid(m_random);
    FocusLevelList();
}

void CMainDlg::OnGetAnswer()
{
    StartSolve(SolvePurpose::CompleteBoard, m_game.Digits());
    FocusLevelList();
}

void CMainDlg::StartSolve(SolvePurpose purpose, const Grid81& grid)
{
    if (m_solveWorker.IsBusy())
        return;
    m_solvePurpose = purpose;
    m_solveSerial = m_game.Serial();
    m_solvedGrid = grid;
    const auto describe = purpose == SolvePurpose::SolveEnteredGame ? SolvedPuzzleText
        : purpose == SolvePurpose::StartPastedPuzzle               ? PastedPuzzleText
                                                                   : nullptr;
    // A queued signal, so nothing of ours is built on the worker for this thread to read.
    m_solveWorker.Start({grid, describe}, [this] { emit SolveFinished(); });
    AwaitOutcome(m_solveWorker, &CMainDlg::OnSolveFinished);
}

void CMainDlg::OnSolveFinished()
{
    const std::optional<SolveOutcome> outcome = m_solveWorker.TakeOutcome();
    if (!outcome)
        return;  // nothing finished, or its outcome has been taken already
    ShowWhetherBusy();
    if (m_solveSerial != m_game.Serial())
        return;  // the game it was solving has been replaced since
    ApplySolveOutcome(*outcome);
}

void CMainDlg::ApplySolveOutcome(const SolveOutcome& outcome)
{
    if (!outcome.answer) {
        m_ui.ShowMessage(Text(kNoAnswer));
    } else if (m_solvePurpose == SolvePurpose::SolveEnteredGame) {
        m_game.FinishEntry(m_solvedGrid, *outcome.answer);
        m_ui.ShowMessage(Message(outcome.description));
    } else if (m_solvePurpose == SolvePurpose::StartPastedPuzzle) {
        m_game.StartPuzzle(m_solvedGrid, *outcome.answer);
        m_ui.ShowMessage(Message(outcome.description));
    } else {
        m_game.Complete(*outcome.answer);
    }
}

void CMainDlg::ShowWhetherBusy()
{
    if (m_solveWorker.IsBusy() || m_helpWorker.IsBusy())
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
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
    if (!m_game.IsEnteringPuzzle()) {
        // A quick second click after a solve lands here too: the solved game is not wiped unasked.
        const bool gameOnBoard = !m_game.IsEmpty();
        if (!gameOnBoard || m_ui.AskQuestion(Text(kClearBoardQuestion), Text(kQuestionCaption)))
            m_game.BeginEntry();
    } else
        StartSolve(SolvePurpose::SolveEnteredGame, m_game.Digits());
    FocusLevelList();
}

bool CMainDlg::RefuseDuringGameEntry()
{
    // The entry has no solution yet: nothing may be judged, revealed or overwritten by one.
    if (!m_game.IsEnteringPuzzle())
        return false;
    m_ui.ShowMessage(Text(kPressSolveFirst));
    FocusLevelList();
    return true;
}
