// The board window: holds the game in progress and shows it from an off-screen picture.
#pragma once

#include "BoardEntries.h"
#include "CCell.h"
#include "DeviceContext.h"
#include "Grid81.h"
#include "PuzzleFile.h"
#include "Random.h"
#include "Rect.h"
#include "SmallDigitMarks.h"
#include "TextLayoutCache.h"
#include "UndoHistory.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBoardWnd : public QWidget {
    Q_OBJECT
public:
    // Creating the board seeds `random` from the clock and creates the digit fonts.
    explicit CBoardWnd(QWidget* parent, RandomGenerator& random = GameRandom());
    ~CBoardWnd() override;

    // Moves the board over the parent's frame control (object name "1000") and
    // (re)creates the picture at the frame's size. Does nothing without a parent.
    void SizeToFrame();
    // Lays out the 81 cells and nine boxes over `frame`, column by column.
    void CreateCells(const Rect& frame);

    // Draws the whole board into the picture; does not touch the screen.
    void RenderBoard();
    // Draws the whole board, at the picture's size, on `dc` instead.
    void RenderBoard(DeviceContext& dc);
    // How many times the picture has been drawn.
    int RenderCount() const { return m_renderCount; }
    // RenderBoard, then asks for the whole window to be repainted from the picture.
    void Redraw();

    // The selected cell, repaired: m_cells[0] while nothing is selected (m_selected stays
    // null), m_cells[0] stored in m_selected when m_selected names no cell of this board.
    // Null only before CreateCells.
    CCell* GetSelectedCell();
    // Index of `cell` in m_cells, or -1.
    int IndexOf(const CCell* cell) const;

    // Deals line `lineNumber` of the puzzle file at `level`. When the file cannot be read or
    // the line is damaged, says why and leaves the board exactly as it was.
    std::optional<PuzzleFileError> LoadPuzzle(const std::string& path, int lineNumber, int level);
    // New Game: a sparse random grid as givens, also taken as m_solution and m_puzzle.
    void FillRandomGrid();

    // Writes the cells' texts and given flags from `grid` (non-zero: a given digit).
    void ShowGridAsGivens(const Grid81& grid);

    // The player's entries: cell texts and marks. Restoring leaves given flags, the grids
    // and the selection alone and does not redraw.
    BoardEntries CaptureEntries() const;
    void RestoreEntries(const BoardEntries& entries);
    // A new game: every small digit shown again and nothing to undo or redo.
    void ResetMarksAndHistory();
    // Puts back the entries before the last applied step (after the next undone one) and
    // redraw once. False, with nothing redrawn, when there is no such step.
    bool Undo();
    bool Redo();

    // A left click at (x, y): while small digits are shown, crosses out or brings back the
    // small digit under it in an empty cell that is not given, as one step, and redraws.
    // False when the click touches no small digit.
    bool ClickSmallDigit(int x, int y);
    // In every empty cell that is not given, crosses out each small digit that already
    // stands in the cell's row, column or box; one step, then a redraw.
    void KeepOnlyPossibleSmallDigits();
    // Brings back every crossed-out small digit; one step, then a redraw.
    void ShowAllSmallDigits();

    const QImage& Picture() const { return m_picture; }
    RandomGenerator& Random() { return m_random; }

    std::vector<std::unique_ptr<CCell>> m_cells;  // layout order, see CreateCells
    CCell* m_selected = nullptr;
    Rect m_boxRects[9];
    Grid81 m_solution{};
    Grid81 m_puzzle{};
    bool m_showSmall = true;
    SmallDigitMarks m_marks;  // by cell index, kept while a cell holds a digit
    UndoHistory m_history;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Left button: a small digit; every other button goes on to the parent window.
    void mousePressEvent(QMouseEvent* event) override;

private:
    RandomGenerator& m_random;
    QImage m_picture;
    TextLayoutCache m_textLayouts;
    int m_renderCount = 0;
};
