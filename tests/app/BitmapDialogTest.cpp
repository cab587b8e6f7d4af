// The picture dialog paints its picture and shows it through labels and check boxes.
#include "CBitmapDialog.h"
#include "GameWindowFixture.h"
#include "Resources.h"

#include <QImage>

namespace {

using BitmapDialogTest = GameWindowFixture;

QImage Background()
{
    return QImage(QString::fromLatin1(BackgroundPicturePath)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(BitmapDialogPictureTest, OurPictureIsTiledAndAMissingOneStillPaints)
{
    const QImage picture = Background();
    EXPECT_EQ(picture.size(), QSize(593, 637));
    CBitmapDialog dialog(QString::fromLatin1(BackgroundPicturePath), nullptr, PictureTiled);
    EXPECT_EQ(dialog.PictureSize(), picture.size());
    dialog.setFixedSize(600, 700);
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.pixel(300, 500), picture.pixel(300, 500));
    EXPECT_EQ(shot.pixel(20, 637 + 30), picture.pixel(20, 30)) << "repeats below its height";
    EXPECT_EQ(shot.pixel(593 + 3, 40), picture.pixel(3, 40)) << "repeats right of its width";

    CBitmapDialog missing(":/no-such-picture.bmp", nullptr, PictureTiled);
    missing.resize(50, 50);
    EXPECT_FALSE(missing.grab().isNull());
}

// The picture shows through the instruction text and the check box, not through the list.
TEST_F(BitmapDialogTest, PictureShowsAroundTheTransparentControlsOnly)
{
    const QImage shot = m_dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Background();
    // The far right of both controls holds no text, so there the picture must show.
    for (QWidget* control : {m_dialog->GetDlgItem(-1), static_cast<QWidget*>(m_dialog->m_showSmallCheck)}) {
        EXPECT_FALSE(control->autoFillBackground());
        const QPoint at = control->geometry().bottomRight() - QPoint(2, 1);
        const QPoint inPicture(at.x() % picture.width(), at.y() % picture.height());
        EXPECT_EQ(shot.pixel(at), picture.pixel(inPicture)) << control->objectName().toStdString();
    }
    const QPoint inList = m_dialog->m_levelList->geometry().bottomRight() - QPoint(20, 5);  // below the items
    EXPECT_NE(shot.pixel(inList), picture.pixel(inList));
    EXPECT_EQ(QColor(shot.pixel(inList)), m_dialog->m_levelList->palette().color(QPalette::Base));
}
