// CBoardWnd as a window: creation, layout, the picture, painting, the mouse selection and clicks.
#include "CBoardWnd.h"

#include "BoardFonts.h"
#include "SmallDigitZones.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace {

// The logical resolution Qt assumes when there is no screen to ask.
constexpr double kDefaultDotsPerInch = 96.0;

int DotsPerMetre(double dotsPerInch)
{
    return static_cast<int>(std::lround(dotsPerInch / 0.0254));
}

// The pixel a mouse position lies in: a fractional position (scaled screens) belongs to the
// pixel it lies in.
QPoint PixelAt(const QPointF& position)
{
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    return QPoint(x, y);
}

}  // namespace

CBoardWnd::CBoardWnd(QWidget* parent, const Game& game) : QWidget(parent), m_game(game)
{
    setGeometry(0, 0, 10, 10);
    setMouseTracking(true);
    CreateFonts();
    // The game may outlive the board; a deleted board is skipped.
    game.Subscribe([board = QPointer<CBoardWnd>(this)] {
        if (board)
            board->Redraw();
    });
    if (parent != nullptr)
        show();
}

CBoardWnd::~CBoardWnd() = default;

void CBoardWnd::SizeToFrame(const QRect& frame)
{
    setGeometry(frame);
    raise();

    QImage picture(frame.size(), QImage::Format_RGB32);
    // Fonts are sized in points; the picture takes the screen's resolution to turn them into
    // the same pixels as on screen.
    const QScreen* display = screen();
    const int dotsPerMetre = DotsPerMetre(display != nullptr ? display->logicalDotsPerInchY() : kDefaultDotsPerInch);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    picture.fill(Qt::white);
    m_picture = std::move(picture);
}

void CBoardWnd::CreateCells(const Rect& frame)
{
    const int width = frame.Width();
    const int height = frame.Height();
    const int cellWidth = width / 9;
    const int cellHeight = height / 9;
    m_selected = nullptr;
    m_cells.clear();
    for (int column = 0; column < 9; ++column) {
        for (int row = 0; row < 9; ++row) {
            m_cells.push_back(std::make_unique<CCell>(Rect{column * cellWidth, row * cellHeight,
                                                           (column + 1) * cellWidth,
                                                           (row + 1) * cellHeight}));
        }
    }
    // Boxes from the frame itself, not from the cells: 3 * 65 is 195, 588 / 3 is 196.
    const int boxWidth = width / 3;
    const int boxHeight = height / 3;
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row) {
            m_boxRects[3 * column + row] = Rect{column * boxWidth, row * boxHeight,
                                                (column + 1) * boxWidth, (row + 1) * boxHeight};
        }
    }
    RenderBoard();
}

void CBoardWnd::Redraw()
{
    RenderBoard();
    update();
}

void CBoardWnd::SetShowSmall(bool show)
{
    m_showSmall = show;
    Redraw();
}

CCell* CBoardWnd::GetSelectedCell()
{
    if (m_cells.empty())
        return nullptr;
    if (m_selected == nullptr)
        return m_cells[0].get();
    if (IndexOf(m_selected) < 0)
        m_selected = m_cells[0].get();
    return m_selected;
}

int CBoardWnd::IndexOf(const CCell* cell) const
{
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i].get() == cell)
            return static_cast<int>(i);
    }
    return -1;
}

int CBoardWnd::GetSelectedIndex()
{
    return IndexOf(GetSelectedCell());
}

void CBoardWnd::SelectCell(int index)
{
    m_selected = m_cells[static_cast<size_t>(index)].get();
    Redraw();
}

int CBoardWnd::CellAt(int x, int y) const
{
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i]->GetRect().Contains(x, y))
            return static_cast<int>(i);
    }
    return -1;
}

void CBoardWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture, QRect(0, 0, width(), height()));
}

void CBoardWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event->position());
    // Redrawn even when the cell is selected already.
    if (const int cell = CellAt(at.x(), at.y()); cell >= 0)
        SelectCell(cell);
    QWidget::mouseMoveEvent(event);
}

void CBoardWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);  // ignored here, so the main window sees it
        return;
    }
    const QPoint at = PixelAt(event->position());
    const int cell = CellAt(at.x(), at.y());
    if (!m_showSmall || cell < 0)
        return;
    if (const int digit = SmallDigitAt(m_cells[static_cast<size_t>(cell)]->GetRect(), at.x(), at.y()); digit != 0)
        emit SmallDigitClicked(cell, digit);
}
