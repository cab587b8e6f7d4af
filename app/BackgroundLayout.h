// Where the background picture is copied to, for each draw mode of the picture dialog.
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// 1 = centred at natural size, 2 = stretched over the client area, any other = tiled.
enum PictureMode { PictureTiled = 0, PictureCentred = 1, PictureStretched = 2 };

// The target rectangles in client coordinates, one per copy of the whole picture. Tiles
// start at 0,0 and repeat every picture width and height while they start inside the
// client; a picture or client of zero width or height gives no rectangle at all.
std::vector<QRect> BackgroundTargets(int mode, QSize picture, QSize client);
