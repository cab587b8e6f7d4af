// The board window: shows the game from an off-screen picture, selects the cell under the mouse and
// passes clicks on small digits on.
#pragma once

#include "CCell.h"
#include "DeviceContext.h"
#include "Game.h"
#include "Rect.h"
#include "TextLayoutCache.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class CBoardWnd : public QWidget {
    Q_OBJECT
public:
    // Shows `game`, which must outlive the board's last redraw, and redraws after each of its
    // changes. Creating the board creates the digit fonts.
    CBoardWnd(QWidget* parent, const Game& game);
    ~CBoardWnd() override;

    // Moves the board over `frame` (in the parent's coordinates) and (re)creates the picture
    // at the frame's size.
    void SizeToFrame(const QRect& frame);
    // Lays out the 81 cells and nine boxes over `frame`, column by column, and draws the
    // board for the first time.
    void CreateCells(const Rect& frame);

    // Draws the whole board into the picture; does not touch the screen.
    void RenderBoard();
    // Draws the whole board, at the picture's size, on `dc` instead.
    void RenderBoard(DeviceContext& dc);
    // How many times the picture has been drawn.
    int RenderCount() const { return m_renderCount; }

    // The selected cell, repaired: m_cells[0] while nothing is selected (m_selected stays
    // null), m_cells[0] stored in m_selected when m_selected names no cell of this board.
    // Null only before CreateCells.
    CCell* GetSelectedCell();
    // The index of GetSelectedCell() in m_cells: the game's cell; -1 only before CreateCells.
    int GetSelectedIndex();
    // Selects cell `index` (0-80) and redraws.
    void SelectCell(int index);

    // Whether empty cells show their small digits; switching redraws.
    bool ShowsSmallDigits() const { return m_showSmall; }
    void SetShowSmall(bool show);

    const QImage& Picture() const { return m_picture; }

    std::vector<std::unique_ptr<CCell>> m_cells;  // layout order, see CreateCells
    CCell* m_selected = nullptr;
    Rect m_boxRects[9];

signals:
    // A left click on small digit `digit` (1-9) of cell `cell` while small digits are shown.
    // Whether the cell takes marks is the game's to decide.
    void SmallDigitClicked(int cell, int digit);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Left button: a small digit; every other button goes on to the parent window.
    void mousePressEvent(QMouseEvent* event) override;

private:
    // RenderBoard, then asks for the whole window to be repainted from the picture.
    void Redraw();
    // Index of `cell` in m_cells, or -1.
    int IndexOf(const CCell* cell) const;
    // The cell under (x, y), or -1.
    int CellAt(int x, int y) const;

    const Game& m_game;
    bool m_showSmall = true;
    QImage m_picture;
    TextLayoutCache m_textLayouts;
    int m_renderCount = 0;
};
