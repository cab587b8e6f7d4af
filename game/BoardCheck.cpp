// The answer to "Done! Am I Right?" for a board.
#include "BoardCheck.h"

#include "Placement.h"

namespace {

bool IsValidAlternative(const Grid81& board, const Grid81& puzzle)
{
    for (int i = 0; i < 81; ++i) {
        if (board[i] < 1 || board[i] > 9)
            return false;
        if (puzzle[i] != 0 && board[i] != puzzle[i])
            return false;
        if (!IsPlacementValid(board, i / 9, i % 9))
            return false;
    }
    return true;
}

}  // namespace

DoneVerdict JudgeBoard(const Grid81& board, const Grid81& puzzle, const Grid81& solution)
{
    if (IsValidAlternative(board, puzzle))
        return DoneVerdict::Correct;
    for (int i = 0; i < 81; ++i) {
        if (board[i] == 0)
            return DoneVerdict::Incomplete;
        if (board[i] != solution[i])
            return DoneVerdict::Wrong;
    }
    return DoneVerdict::Correct;
}
