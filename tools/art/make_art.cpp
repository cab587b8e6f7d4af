// Draws the game's artwork: the paper background picture and the grid icon in every size,
// also as a Windows .ico and a macOS .icns.
// Run once; its output is committed under res/. Usage: tessaly-make-art <res folder>
#include "IconContainers.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <random>

namespace {

constexpr int kPictureWidth = 593;
constexpr int kPictureHeight = 637;
constexpr unsigned kPaperSeed = 20240607u;

// A light, warm paper: small grain, a few long soft fibres and a faint mottling, all kept
// within a narrow band of bright tones so black text stays easy to read anywhere.
QImage DrawPaper()
{
    std::mt19937 random(kPaperSeed);
    std::normal_distribution<double> grain(0.0, 3.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);

    QImage paper(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPictureHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(paper.scanLine(y));
        for (int x = 0; x < kPictureWidth; ++x) {
            // The mottling repeats with the picture's size, so tiles join without a seam.
            const double u = 2.0 * M_PI * x / kPictureWidth;
            const double v = 2.0 * M_PI * y / kPictureHeight;
            const double mottle = 3.0 * std::sin(3 * u + 1.3) * std::cos(2 * v + 0.4)
                                  + 2.0 * std::sin(5 * v + 2 * u + 0.9);
            const double shade = mottle + grain(random);
            line[x] = qRgb(std::clamp(int(241 + shade), 0, 255), std::clamp(int(236 + shade), 0, 255),
                           std::clamp(int(222 + shade), 0, 255));
        }
    }
    QPainter painter(&paper);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int fibre = 0; fibre < 260; ++fibre) {
        const QPointF start(unit(random) * kPictureWidth, unit(random) * kPictureHeight);
        const double angle = unit(random) * 2.0 * M_PI;
        const double length = 8.0 + unit(random) * 30.0;
        QPainterPath path(start);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
        const QPointF bend = (start + end) / 2.0 + QPointF(unit(random) * 8.0 - 4.0, unit(random) * 8.0 - 4.0);
        path.quadTo(bend, end);
        const bool dark = unit(random) < 0.5;
        painter.setPen(QPen(dark ? QColor(170, 150, 120, 28) : QColor(255, 255, 250, 60), 0.8));
        painter.drawPath(path);
    }
    return paper.convertToFormat(QImage::Format_RGB888);
}

// A rounded tile holding a 3x3 grid: grey given cells on the diagonal, a red mark in one corner.
QImage DrawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    painter.setPen(QPen(QColor(40, 60, 130), std::max(1.0, size / 24.0)));
    painter.setBrush(QColor(246, 240, 224));
    painter.drawRoundedRect(tile, size / 8.0, size / 8.0);

    const double inset = size / 6.0;
    const QRectF grid = tile.adjusted(inset - margin, inset - margin, margin - inset, margin - inset);
    const double cell = grid.width() / 3.0;
    painter.setBrush(QColor(200, 200, 200));
    painter.setPen(Qt::NoPen);
    for (const int index : {0, 4, 8})  // the given cells along the diagonal
        painter.drawRect(QRectF(grid.left() + (index % 3) * cell, grid.top() + (index / 3) * cell, cell, cell));
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QRectF(grid.left() + 2 * cell, grid.top(), cell, cell).adjusted(cell / 4, cell / 4,
                                                                                       -cell / 4, -cell / 4));
    painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, size / 40.0)));
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line <= 3; ++line) {
        painter.drawLine(QPointF(grid.left() + line * cell, grid.top()), QPointF(grid.left() + line * cell, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + line * cell), QPointF(grid.right(), grid.top() + line * cell));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: tessaly-make-art <res folder>\n";
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    if (!res.mkpath(QStringLiteral("icons"))) {
        std::cerr << "tessaly-make-art: cannot create " << argv[1] << "/icons\n";
        return 1;
    }
    bool written = DrawPaper().save(res.filePath(QStringLiteral("background.bmp")), "BMP");
    std::vector<QImage> icons;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icons.push_back(DrawIcon(size));
        written = icons.back().save(res.filePath(QStringLiteral("icons/tessaly-%1.png").arg(size)), "PNG") && written;
    }
    const auto writeFile = [&res](const QString& name, const QByteArray& bytes) {
        QFile file(res.filePath(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    written = writeFile(QStringLiteral("icons/tessaly.ico"), MakeIco(icons)) && written;
    written = writeFile(QStringLiteral("icons/tessaly.icns"), MakeIcns(icons)) && written;
    if (!written) {
        std::cerr << "tessaly-make-art: writing the pictures failed\n";
        return 1;
    }
    return 0;
}
