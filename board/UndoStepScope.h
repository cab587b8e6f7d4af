// One undoable step: whatever the entries of the board become while this lives.
#pragma once

#include "BoardEntries.h"

class CBoardWnd;

// Takes the board's entries when made and records them and the new entries as one step
// when it ends; a step that changed nothing is not recorded.
class UndoStepScope {
public:
    explicit UndoStepScope(CBoardWnd& board);
    ~UndoStepScope();
    UndoStepScope(const UndoStepScope&) = delete;
    UndoStepScope& operator=(const UndoStepScope&) = delete;

private:
    CBoardWnd& m_board;
    BoardEntries m_before;
};
