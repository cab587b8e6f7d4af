// The file messages name the file without its folder.
#include "FileMessages.h"

#include <gtest/gtest.h>

TEST(FileMessagesTest, NameTheFileWithoutItsFolder)
{
    EXPECT_EQ(CannotWriteMessage("/opt/tessaly/print.bmp"), "error! can't write to print.bmp");
    EXPECT_EQ(CannotReadMessage("C:\\Users\\p\\game.sav"), "error! can't read game.sav");
    EXPECT_EQ(NotASavedGameMessage("C:/Users/p/notes.txt.sav"), "error! notes.txt.sav is not a saved game");
    EXPECT_EQ(CannotWriteMessage("game.sav"), "error! can't write to game.sav");
    EXPECT_EQ(NotASavedGameMessage("x"), "error! x is not a saved game");
}
