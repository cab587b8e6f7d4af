// CBoardWnd as a window: creation, layout, the picture, painting and the mouse selection.
#include "CBoardWnd.h"

#include "BoardFonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace {

// The dialog's frame control that the board covers.
const QString kFrameName = QStringLiteral("1000");

// The logical resolution Qt assumes when there is no screen to ask.
constexpr double kDefaultDotsPerInch = 96.0;

int DotsPerMetre(double dotsPerInch)
{
    return static_cast<int>(std::lround(dotsPerInch / 0.0254));
}

}  // namespace

CBoardWnd::CBoardWnd(QWidget* parent, RandomGenerator& random) : QWidget(parent), m_random(random)
{
    setObjectName(QStringLiteral("1234"));
    setGeometry(0, 0, 10, 10);
    setMouseTracking(true);
    SeedFromClock(m_random);
    CreateFonts();
    if (parent != nullptr)
        show();
}

CBoardWnd::~CBoardWnd() = default;

void CBoardWnd::SizeToFrame()
{
    QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    const QWidget* frame = parent->findChild<QWidget*>(kFrameName, Qt::FindDirectChildrenOnly);
    if (frame == nullptr)
        return;
    setGeometry(frame->geometry());
    raise();

    QImage picture(frame->size(), QImage::Format_RGB32);
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
}

void CBoardWnd::Redraw()
{
    RenderBoard();
    update();
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

void CBoardWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture, QRect(0, 0, width(), height()));
}

void CBoardWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF position = event->position();
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    for (const std::unique_ptr<CCell>& cell : m_cells) {
        if (cell->GetRect().Contains(x, y)) {
            // Redrawn even when the cell is selected already.
            m_selected = cell.get();
            Redraw();
            break;
        }
    }
    QWidget::mouseMoveEvent(event);
}
