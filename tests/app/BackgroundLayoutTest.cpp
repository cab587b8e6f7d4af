// Where the background picture goes in each mode, and that a bad picture never loops.
#include "BackgroundLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct LayoutCase {
    const char* name;
    int mode;
    QSize picture;
    QSize client;
    std::vector<QRect> expected;
};

const LayoutCase LayoutCases[] = {
    // Tiles start again after each picture width and height: three columns by two rows.
    {"TilesOverALargeClient", PictureTiled, QSize(593, 637), QSize(1200, 700),
     {QRect(0, 0, 593, 637), QRect(593, 0, 593, 637), QRect(1186, 0, 593, 637), QRect(0, 637, 593, 637),
      QRect(593, 637, 593, 637), QRect(1186, 637, 593, 637)}},
    {"MainWindowNeedsOneTileAndARow", PictureTiled, QSize(593, 637), QSize(588, 663),
     {QRect(0, 0, 593, 637), QRect(0, 637, 593, 637)}},
    {"AnyOtherModeTiles", 7, QSize(10, 10), QSize(25, 10),
     {QRect(0, 0, 10, 10), QRect(10, 0, 10, 10), QRect(20, 0, 10, 10)}},
    // (300-593)/2 truncates to -146
    {"CentredLargerThanTheClientShowsItsMiddle", PictureCentred, QSize(593, 637), QSize(300, 200),
     {QRect(-146, -218, 593, 637)}},
    {"CentredSmallerThanTheClient", PictureCentred, QSize(100, 50), QSize(301, 151), {QRect(100, 50, 100, 50)}},
    {"StretchedCoversTheClient", PictureStretched, QSize(593, 637), QSize(588, 663), {QRect(0, 0, 588, 663)}},
};

}  // namespace

TEST(BackgroundLayoutTest, PlacesThePictureForEachMode)
{
    for (const LayoutCase& c : LayoutCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BackgroundTargets(c.mode, c.picture, c.client), c.expected);
    }
}

TEST(BackgroundLayoutTest, EmptyPictureOrClientGivesNothing)
{
    for (const int mode : {PictureTiled, PictureCentred, PictureStretched}) {
        EXPECT_TRUE(BackgroundTargets(mode, QSize(0, 637), QSize(588, 663)).empty());
        EXPECT_TRUE(BackgroundTargets(mode, QSize(593, 0), QSize(588, 663)).empty());
        EXPECT_TRUE(BackgroundTargets(mode, QSize(593, 637), QSize(0, 663)).empty());
        EXPECT_TRUE(BackgroundTargets(mode, QSize(-1, -1), QSize(588, 663)).empty());
    }
}
