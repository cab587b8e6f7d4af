// Every fixed text the game's windows show the player, in one place: messages, questions,
// captions, menu entries. Texts built from parts are built from these by one function each.
#pragma once

#include <QString>

// The texts are UTF-8, as Qt takes them.
inline QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

// The main window.
inline constexpr char kWindowTitle[] = "Brevmark Tessaly for windows";
inline constexpr char kLevelNames[5][10] = {"Very Easy", "Easy", "Normal", "Hard", "Hell"};
inline constexpr char kQuickGameCaption[] = "Quick Game";
inline constexpr char kSaveGameCaption[] = "Save Game";
inline constexpr char kLoadGameCaption[] = "Load Game";
inline constexpr char kGiveHelpCaption[] = "Give me some help!";
inline constexpr char kDoneCaption[] = "Done! Am I Right?";
inline constexpr char kPrintToPaperCaption[] = "Print to Paper";
inline constexpr char kFrameCaption[] = "Static";
inline constexpr char kNewGameCaption[] = "New Game";
inline constexpr char kGetAnswerCaption[] = "GetAnswer";
inline constexpr char kInstructions[] =
    "Use mouse to highlight the grid, then press Number key to input the number(1-9)\nPress 0 to clear the grid";
inline constexpr char kGetResultCaption[] = "Get Result";
inline constexpr char kShowSmallCaption[] = "Show small number";
inline constexpr char kInputGameCaption[] = "Input game -> Solve";
inline constexpr char kSolveCaption[] = "Solve";
inline constexpr char kSavedGameFilter[] = "SaveGame (*.sav)";

// The window's and the board's menus. No '&' in the board's: a mnemonic would make a key do
// something other than an entry.
inline constexpr char kAboutEntry[] = "&About Tessaly...";
inline constexpr char kUndoEntry[] = "Undo";
inline constexpr char kRedoEntry[] = "Redo";
inline constexpr char kKeepOnlyPossibleEntry[] = "Keep only possible small digits";
inline constexpr char kShowAllSmallDigitsEntry[] = "Show all small digits again";

// Questions, each with its caption.
inline constexpr char kQuestionCaption[] = "Question";
inline constexpr char kQuitQuestion[] = "Are you sure to quit?";
inline constexpr char kClearBoardQuestion[] = "Clear the board to enter a puzzle?";

// Messages of the game commands.
inline constexpr char kSelectLevel[] = "Please select a game level";
inline constexpr char kCannotReadDataFile[] = "error! can't read data.dat";
inline constexpr char kCannotReadDataFileGameStays[] = "error! can't read data.dat, the game on the board stays";
inline constexpr char kDataFileDamaged[] = "error! data.dat is damaged";
inline constexpr char kPressSolveFirst[] = "Press Solve first";
inline constexpr char kDoneIncomplete[] =
    "Seems you haven't completed the game, please continue to fill number into grid.";
inline constexpr char kDoneWrong[] = "Sorry, your result is wrong!";
inline constexpr char kDoneCorrect[] = "Well done!!! Your result is correct!!!";
inline constexpr char kHellRefusesResult[] =
    "Now is Hell level game! Do you know what is HELL? That means we won't show you the result, use your own brain!";
inline constexpr char kNoAnswer[] = "No Answer";

// Help and the solve of an entered puzzle (HelpTexts builds the rest).
inline constexpr char kWrongDigit[] = "The highlighted digit cannot be right: with it, the puzzle has no solution.";
inline constexpr char kBoardComplete[] = "The board is complete.";
inline constexpr char kNeedsTrialAndError[] = "No step I know of is left; the next digit needs trial and error.";
inline constexpr char kSeveralSolutions[] = "This puzzle has more than one solution; the board shows one of them.";
inline constexpr char kSolved[] = "Solved.";
inline constexpr char kSolvedByTrialAndError[] = "Solved. Hardest step: trial and error.";

// Print to Paper; %1 is the folder of print.bmp.
inline constexpr char kInstallationFolder[] = "installation folder of Tessaly";
inline constexpr char kCannotWritePrint[] = "error! can't write to print.bmp";
inline constexpr char kCannotWritePrintIn[] = "error! can't write to print.bmp in %1";
inline constexpr char kNoProgramForPicture[] =
    "Can't find any program open the game image, you can find the output image 'print.bmp' in %1. Just print out "
    "this image.";

// The About box.
inline constexpr char kAboutTitle[] = "About Tessaly";
inline constexpr char kVersionText[] = "Tessaly Version 1.0";
inline constexpr char kOkCaption[] = "OK";

// Before any window: no display to open one on.
inline constexpr char kNoDisplay[] =
    "Tessaly: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.";
