// Tiling, centring and stretching of the background picture.
#include "BackgroundLayout.h"

std::vector<QRect> BackgroundTargets(int mode, QSize picture, QSize client)
{
    std::vector<QRect> targets;
    if (picture.width() <= 0 || picture.height() <= 0 || client.width() <= 0 || client.height() <= 0)
        return targets;
    switch (mode) {
    case PictureCentred:
        // Integer division truncates toward zero, so a larger picture shows its middle.
        targets.emplace_back(QPoint((client.width() - picture.width()) / 2,
                                    (client.height() - picture.height()) / 2),
                             picture);
        break;
    case PictureStretched:
        targets.emplace_back(QPoint(0, 0), client);
        break;
    default:
        for (int y = 0; y < client.height(); y += picture.height())
            for (int x = 0; x < client.width(); x += picture.width())
                targets.emplace_back(QPoint(x, y), picture);
        break;
    }
    return targets;
}
