// The background picture: where each mode puts it (a missing one nowhere), and that it shows through the labels.
#include "BackgroundLayout.h"
#include "GameWindowFixture.h"
#include "Resources.h"

#include <QImage>

namespace {

using BitmapDialogTest = GameWindowFixture;

TEST(BackgroundLayoutTest, PlacesThePictureForEachModeAndNeverLoopsOnABadOne)
{
    const struct { int mode; QSize picture, client; std::vector<QRect> expected; } cases[] = {
        {PictureTiled, QSize(10, 20), QSize(15, 21),
         {QRect(0, 0, 10, 20), QRect(10, 0, 10, 20), QRect(0, 20, 10, 20), QRect(10, 20, 10, 20)}},
        // (300-593)/2 truncates to -146: a larger picture shows its middle
        {PictureCentred, QSize(593, 637), QSize(300, 200), {QRect(-146, -218, 593, 637)}},
        {PictureStretched, QSize(593, 637), QSize(588, 663), {QRect(0, 0, 588, 663)}},
        {PictureTiled, QSize(0, 637), QSize(588, 663), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackgroundTargets(c.mode, c.picture, c.client), c.expected) << c.mode;
}

// The tiled picture shows at the text-free far right of the instruction text and the check box, not in the list.
TEST_F(BitmapDialogTest, PictureShowsAroundTheTransparentControlsOnly)
{
    const QImage shot = m_dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(QString::fromLatin1(kBackgroundPicturePath)).convertToFormat(QImage::Format_RGB32);
    for (QWidget* control : {m_dialog->GetDlgItem(IDC_STATIC), static_cast<QWidget*>(m_dialog->m_showSmallCheck)}) {
        const QPoint at = control->geometry().bottomRight() - QPoint(2, 1);
        EXPECT_EQ(shot.pixel(at), picture.pixel(at.x() % picture.width(), at.y() % picture.height()))
            << control->objectName().toStdString();
    }
    const QPoint inList = m_dialog->m_levelList->geometry().bottomRight() - QPoint(20, 5);  // below the items
    EXPECT_EQ(QColor(shot.pixel(inList)), m_dialog->m_levelList->palette().color(QPalette::Base));
}

}  // namespace
