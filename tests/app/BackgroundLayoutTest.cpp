// Where the background picture goes in each mode, and that a bad picture never loops.
#include "BackgroundLayout.h"

#include <gtest/gtest.h>

TEST(BackgroundLayoutTest, TilesStartAgainAfterEachPictureWidthAndHeight)
{
    const auto tiles = BackgroundTargets(PictureTiled, QSize(593, 637), QSize(1200, 700));
    ASSERT_EQ(tiles.size(), 6u);  // three columns (0, 593, 1186) by two rows (0, 637)
    EXPECT_EQ(tiles[0], QRect(0, 0, 593, 637));
    EXPECT_EQ(tiles[1], QRect(593, 0, 593, 637));
    EXPECT_EQ(tiles[2], QRect(1186, 0, 593, 637));
    EXPECT_EQ(tiles[3], QRect(0, 637, 593, 637));
}

TEST(BackgroundLayoutTest, MainWindowNeedsOneTile)
{
    const auto tiles = BackgroundTargets(PictureTiled, QSize(593, 637), QSize(588, 663));
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[1].topLeft(), QPoint(0, 637));
}

TEST(BackgroundLayoutTest, AnyOtherModeTiles)
{
    EXPECT_EQ(BackgroundTargets(7, QSize(10, 10), QSize(25, 10)).size(), 3u);
}

TEST(BackgroundLayoutTest, CentredPictureLargerThanTheWindowShowsItsMiddle)
{
    const auto targets = BackgroundTargets(PictureCentred, QSize(593, 637), QSize(300, 200));
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0], QRect(-146, -218, 593, 637));  // (300-593)/2 truncates to -146
}

TEST(BackgroundLayoutTest, CentredPictureSmallerThanTheWindow)
{
    EXPECT_EQ(BackgroundTargets(PictureCentred, QSize(100, 50), QSize(301, 151)).at(0), QRect(100, 50, 100, 50));
}

TEST(BackgroundLayoutTest, StretchedPictureCoversTheClient)
{
    EXPECT_EQ(BackgroundTargets(PictureStretched, QSize(593, 637), QSize(588, 663)).at(0), QRect(0, 0, 588, 663));
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
