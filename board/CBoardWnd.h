// The board window: holds the game in progress and shows it from an off-screen picture.
#pragma once

#include "CCell.h"
#include "DeviceContext.h"
#include "Grid81.h"
#include "Random.h"
#include "Rect.h"
#include "TextLayoutCache.h"

#include <QImage>
#include <QWidget>

#include <memory>
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

    // Deals line `lineNumber` of the puzzle file at `level`. False, with the board exactly
    // as it was, when the file cannot be read.
    bool LoadPuzzle(const std::string& path, int lineNumber, int level);
    // New Game: a sparse random grid as givens, also taken as m_solution and m_puzzle.
    void FillRandomGrid();

    // Writes the cells' texts and given flags from `grid` (non-zero: a given digit).
    void ShowGridAsGivens(const Grid81& grid);

    const QImage& Picture() const { return m_picture; }
    RandomGenerator& Random() { return m_random; }

    std::vector<std::unique_ptr<CCell>> m_cells;  // layout order, see CreateCells
    CCell* m_selected = nullptr;
    Rect m_boxRects[9];
    Grid81 m_solution{};
    Grid81 m_puzzle{};
    bool m_showSmall = true;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    RandomGenerator& m_random;
    QImage m_picture;
    TextLayoutCache m_textLayouts;
    int m_renderCount = 0;
};
