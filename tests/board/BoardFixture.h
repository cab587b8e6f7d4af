// A dialog with the frame control 1000 and a board created on it as the main window does.
#pragma once

#include "CBoardWnd.h"

#include <QWidget>

#include <string>

struct BoardOnDialog {
    explicit BoardOnDialog(RandomGenerator& random = GameRandom())
    {
        QWidget* frame = new QWidget(&dialog);
        frame->setObjectName("1000");
        board = new CBoardWnd(&dialog, random);
        frame->setGeometry(0, 0, 588, 442);
        board->SizeToFrame();
        const QRect area = frame->geometry();
        board->CreateCells(Rect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
        board->RenderBoard();
    }

    CCell& Cell(int index) { return *board->m_cells[static_cast<size_t>(index)]; }
    void SetCell(int index, std::string text, bool given)
    {
        Cell(index).m_text = std::move(text);
        Cell(index).m_given = given;
    }

    QWidget dialog;
    CBoardWnd* board = nullptr;  // owned by the dialog
};
