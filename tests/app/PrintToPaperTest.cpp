// Print to Paper: print.bmp holds the board's picture, then the desktop opens it.
#include "GameWindowFixture.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString NoProgram = QStringLiteral(
    "Can't find any program open the game image, you can find the output image 'print.bmp' in installation folder "
    "of Tessaly. Just print out this image.");

class PrintToPaperTest : public GameWindowFixture {
protected:
    QString PrintFile() { return m_dir.filePath(QStringLiteral("print.bmp")); }
    void ExpectPrintedPicture()
    {
        EXPECT_EQ(QFileInfo(PrintFile()).size(), 779742);
        const QImage printed(PrintFile(), "BMP");
        EXPECT_EQ(printed.size(), QSize(588, 442));
        EXPECT_EQ(printed.convertToFormat(QImage::Format_RGB32),
                  Board().Picture().convertToFormat(QImage::Format_RGB32));
    }
};

TEST_F(PrintToPaperTest, WritesTheBoardPictureAndOpensIt)
{
    Select(40);
    Board().Redraw();
    const GameState before = State();
    const int renders = Board().RenderCount();
    Press(1009);

    ExpectPrintedPicture();
    EXPECT_EQ(m_ui.m_opened, QStringList({PrintFile()}));
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Board().RenderCount(), renders) << "printing redraws nothing";
    EXPECT_TRUE(FocusOnList());
}

TEST_F(PrintToPaperTest, NoProgramForThePictureSaysWhereItLies)
{
    m_ui.m_openSucceeds = false;
    Press(1009);
    EXPECT_TRUE(QFileInfo(PrintFile()).isFile());
    EXPECT_EQ(m_ui.m_messages, QStringList({NoProgram}));
    EXPECT_TRUE(FocusOnList());
}

// A folder named print.bmp stops the write even for root; the desktop is still asked.
TEST_F(PrintToPaperTest, UnwritablePrintFileSaysSoAndStillAsksTheDesktop)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("print.bmp")));
    m_ui.m_openSucceeds = false;
    const GameState before = State();
    Press(1009);
    EXPECT_EQ(m_ui.m_messages, QStringList({"error! can't write to print.bmp", NoProgram}));
    EXPECT_EQ(m_ui.m_opened, QStringList({PrintFile()}));
    EXPECT_TRUE(QFileInfo(PrintFile()).isDir());
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(FocusOnList());
}

}  // namespace
