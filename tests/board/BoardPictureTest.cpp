// Writes the picture of a dealt game to artifacts/board.png, for a person to look at.
#include "BoardFixture.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(BoardPicture, DealtGameIsSavedForInspection)
{
    StdRandomGenerator random;
    BoardOnDialog dialog(random);
    random.Seed(2024);
    ASSERT_TRUE(dialog.board->LoadPuzzle(TESSALY_DATA_FILE, 7, 3));
    for (int i = 0; i < 81; ++i) {
        if (!dialog.Cell(i).m_given) {
            dialog.SetCell(i, "4", false);  // one typed digit beside the givens
            break;
        }
    }
    dialog.board->m_selected = &dialog.Cell(40);
    dialog.board->RenderBoard();

    ASSERT_TRUE(QDir().mkpath(TESSALY_ARTIFACT_DIR));
    const QString path = QString(TESSALY_ARTIFACT_DIR) + "/board.png";
    ASSERT_TRUE(dialog.board->Picture().save(path, "PNG"));
    EXPECT_EQ(QImage(path).size(), QSize(588, 442));
}
