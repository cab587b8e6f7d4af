// The ".sav" ending of a saved game's name.
#include "SavExtension.h"

#include <gtest/gtest.h>

TEST(SavExtensionTest, AppendsSavUnlessPresentInAnyCase)
{
    struct Case { const char* chosen; const char* saved; };
    for (const Case& c : {Case{"Game.SAV", "Game.SAV"}, Case{"/home/p/GAME.sAv", "/home/p/GAME.sAv"},
                          Case{"game", "game.sav"}, Case{"notes.txt", "notes.txt.sav"}, Case{".sa", ".sa.sav"},
                          Case{"", ".sav"}, Case{".sav", ".sav"}, Case{"a.sav", "a.sav"},
                          Case{"C:\\Games\\Week1", "C:\\Games\\Week1.sav"}, Case{"mysav", "mysav.sav"}})
        EXPECT_EQ(AddSavExtension(c.chosen), c.saved) << '"' << c.chosen << '"';
}
