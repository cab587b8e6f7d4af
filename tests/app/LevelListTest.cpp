// The level list keeps its one selection: the player can move it but not take it away.
#include "GameWindowFixture.h"

using LevelListTest = GameWindowFixture;

TEST_F(LevelListTest, CtrlClickAndCtrlSpaceOnTheSelectedLevelKeepItSelected)
{
    QListWidget* list = m_dialog->m_levelList;
    const auto clickRow = [&](int row) {
        const QPoint center = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, center);
    };
    list->setCurrentRow(2);
    clickRow(2);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>({list->item(2)})) << "Ctrl+click";
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>({list->item(2)})) << "Ctrl+Space";

    // Moving the selection still works, with the mouse and with the keys.
    clickRow(4);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>({list->item(3)}));
}
