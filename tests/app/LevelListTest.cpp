// The level list keeps its one selection: the player can move it but not take it away.
#include "GameWindowFixture.h"

#include <functional>

namespace {

using LevelListTest = GameWindowFixture;

TEST_F(LevelListTest, CtrlClickAndCtrlSpaceOnTheSelectedLevelKeepItSelected)
{
    QListWidget* list = m_dialog->m_levelList;
    list->setCurrentRow(2);
    const QPoint selected = list->visualItemRect(list->item(2)).center();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+click", [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, selected); }},
        {"Ctrl+Space", [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }},
    };
    for (const auto& [name, deselect] : ways) {
        SCOPED_TRACE(name);
        deselect();
        ASSERT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->row(list->selectedItems().front()), 2);
    }

    // Moving the selection still works, with the mouse and with the keys.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(4)).center());
    EXPECT_EQ(list->row(list->selectedItems().value(0)), 4);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->row(list->selectedItems().value(0)), 3);
    Press(1007);
    EXPECT_EQ(m_dialog->m_level, 4);
    EXPECT_TRUE(m_ui.m_messages.isEmpty());
}

}  // namespace
