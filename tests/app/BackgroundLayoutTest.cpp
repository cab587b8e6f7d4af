// Where the background picture goes in each mode, and that a bad picture never loops.
#include "BackgroundLayout.h"

#include <gtest/gtest.h>

#include <vector>

TEST(BackgroundLayoutTest, PlacesThePictureForEachMode)
{
    const struct {
        int mode;
        QSize picture, client;
        std::vector<QRect> expected;
    } cases[] = {
        {PictureTiled, QSize(593, 637), QSize(1200, 700),
         {QRect(0, 0, 593, 637), QRect(593, 0, 593, 637), QRect(1186, 0, 593, 637), QRect(0, 637, 593, 637),
          QRect(593, 637, 593, 637), QRect(1186, 637, 593, 637)}},
        {7, QSize(10, 10), QSize(25, 10), {QRect(0, 0, 10, 10), QRect(10, 0, 10, 10), QRect(20, 0, 10, 10)}},
        // (300-593)/2 truncates to -146: a larger picture shows its middle
        {PictureCentred, QSize(593, 637), QSize(300, 200), {QRect(-146, -218, 593, 637)}},
        {PictureStretched, QSize(593, 637), QSize(588, 663), {QRect(0, 0, 588, 663)}},
        {PictureTiled, QSize(0, 637), QSize(588, 663), {}},
        {PictureCentred, QSize(593, 637), QSize(588, -1), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackgroundTargets(c.mode, c.picture, c.client), c.expected) << c.mode;
}
