// Pencil marks: clicks on the small digits and the two commands over all of them.
#include "CBoardWnd.h"

#include "SmallDigitZones.h"
#include "UndoStepScope.h"

#include <QMouseEvent>

#include <cmath>

bool CBoardWnd::ClickSmallDigit(int x, int y)
{
    if (!m_showSmall)
        return false;
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const CCell& cell = *m_cells[i];
        const int digit = SmallDigitAt(cell.GetRect(), x, y);
        if (digit == 0)
            continue;
        if (cell.m_given || !cell.m_text.empty())
            return false;
        const UndoStepScope step(*this);
        m_marks.Toggle(static_cast<int>(i), digit);
        Redraw();
        return true;
    }
    return false;
}

void CBoardWnd::KeepOnlyPossibleSmallDigits()
{
    Grid81 values{};
    std::array<bool, 81> open{};
    for (size_t i = 0; i < m_cells.size() && i < values.size(); ++i) {
        const CCell& cell = *m_cells[i];
        const std::string& text = cell.m_text;
        if (text.size() == 1 && text[0] >= '1' && text[0] <= '9')
            values[i] = text[0] - '0';
        open[i] = text.empty() && !cell.m_given;
    }
    const UndoStepScope step(*this);
    m_marks.CrossOutDigitsInSight(values, open);
    Redraw();
}

void CBoardWnd::ShowAllSmallDigits()
{
    const UndoStepScope step(*this);
    m_marks.ShowAll();
    Redraw();
}

void CBoardWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);  // ignored here, so the main window sees it
        return;
    }
    const QPointF position = event->position();
    ClickSmallDigit(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
}
