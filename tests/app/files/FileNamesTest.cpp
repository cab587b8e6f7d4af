// The names of files: messages name a file without its folder, and a saved game's name ends in ".sav".
#include "FileMessages.h"
#include "SavExtension.h"

#include <gtest/gtest.h>

TEST(FileMessagesTest, NameTheFileWithoutItsFolder)
{
    EXPECT_EQ(CannotReadMessage("C:\\Users\\p\\game.sav"), "error! can't read game.sav");
    EXPECT_EQ(NotASavedGameMessage("/home/p/notes.txt.sav"), "error! notes.txt.sav is not a saved game");
    EXPECT_EQ(CannotWriteMessage("game.sav"), "error! can't write to game.sav");
}

TEST(SavExtensionTest, AppendsSavUnlessPresentInAnyCase)
{
    struct Case { const char* chosen; const char* saved; };
    for (const Case& c : {Case{"/home/p/GAME.sAv", "/home/p/GAME.sAv"}, Case{".sav", ".sav"}, Case{"game", "game.sav"},
                          Case{"notes.txt", "notes.txt.sav"}, Case{".sa", ".sa.sav"}, Case{"", ".sav"},
                          Case{"mysav", "mysav.sav"}})
        EXPECT_EQ(AddSavExtension(c.chosen), c.saved) << '"' << c.chosen << '"';
}
