// The picture dialog paints its picture and shows it through labels and check boxes.
#include "CBitmapDialog.h"
#include "GameWindowFixture.h"
#include "Resources.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>

namespace {

using BitmapDialogTest = GameWindowFixture;

QImage Background()
{
    return QImage(QString::fromLatin1(BackgroundPicturePath)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(BitmapDialogPictureTest, PictureIsOurs593By637)
{
    const QImage picture = Background();
    EXPECT_EQ(picture.size(), QSize(593, 637));
    CBitmapDialog dialog(QString::fromLatin1(BackgroundPicturePath), nullptr, PictureTiled);
    EXPECT_EQ(dialog.PictureSize(), QSize(593, 637));
}

TEST(BitmapDialogPictureTest, MissingPictureStillPaints)
{
    CBitmapDialog dialog(":/no-such-picture.bmp", nullptr, PictureTiled);
    dialog.resize(50, 50);
    EXPECT_TRUE(dialog.PictureSize().isEmpty());
    EXPECT_FALSE(dialog.grab().isNull());
}

TEST(BitmapDialogPictureTest, TiledPictureRepeatsBelowItsHeight)
{
    CBitmapDialog dialog(QString::fromLatin1(BackgroundPicturePath), nullptr, PictureTiled);
    dialog.setFixedSize(600, 700);
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Background();
    for (const QPoint at : {QPoint(10, 10), QPoint(300, 500), QPoint(592, 636)})
        EXPECT_EQ(shot.pixel(at), picture.pixel(at)) << at.x() << "," << at.y();
    EXPECT_EQ(shot.pixel(20, 637 + 30), picture.pixel(20, 30));
    EXPECT_EQ(shot.pixel(593 + 3, 40), picture.pixel(3, 40));
}

TEST_F(BitmapDialogTest, PictureShowsAroundTheInstructionTextAndTheCheckBox)
{
    const QImage shot = m_dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Background();
    QWidget* instructions = m_dialog->GetDlgItem(-1);
    QWidget* check = m_dialog->m_showSmallCheck;
    EXPECT_FALSE(instructions->autoFillBackground());
    EXPECT_FALSE(check->autoFillBackground());
    // The far right of both controls holds no text, so there the picture must show.
    for (QWidget* control : {instructions, check}) {
        const QPoint at = control->geometry().bottomRight() - QPoint(2, 1);
        const QPoint inPicture(at.x() % picture.width(), at.y() % picture.height());
        EXPECT_EQ(shot.pixel(at), picture.pixel(inPicture)) << control->objectName().toStdString();
    }
}

TEST_F(BitmapDialogTest, ListAndButtonsKeepTheirOwnBackground)
{
    const QImage shot = m_dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = Background();
    const QRect list = m_dialog->m_levelList->geometry();
    const QPoint inside = list.bottomRight() - QPoint(20, 5);  // below the five items
    EXPECT_NE(shot.pixel(inside), picture.pixel(inside));
    EXPECT_EQ(QColor(shot.pixel(inside)), m_dialog->m_levelList->palette().color(QPalette::Base));
}
