// The fifth line of a saved game: the crossed-out small digits, written only when there are any.
#include "SavedGameCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kSolution = "123456789" "456789123" "789123456"
                              "234567891" "567891234" "891234567"
                              "345678912" "678912345" "912345678";
const std::string kPuzzle = "000406780" "006789100" "709123056"
                            "030067091" "500801034" "890000567"
                            "305070012" "608900000" "010005000";

SavedGame Game()
{
    SavedGame game;
    for (size_t i = 0; i < 81; ++i) {
        if (kPuzzle[i] != '0')
            game.m_texts[i] = std::string(1, kPuzzle[i]);
        game.m_puzzle[i] = kPuzzle[i] - '0';
        game.m_solution[i] = kSolution[i] - '0';
    }
    game.m_hintsUsed = 2;
    return game;
}

// Cell 0 without 1, 5 and 9; cell 2 without 2, 3, 4 and 8; cell 80 without every digit.
SavedGame GameWithMarks()
{
    SavedGame game = Game();
    game.m_crossedOut[0] = 0b100010001;
    game.m_crossedOut[2] = 0b010001110;
    game.m_crossedOut[80] = 0x1FF;
    return game;
}

std::string FifthLine()
{
    std::string line(243, '0');
    line.replace(0, 3, "124");
    line.replace(6, 3, "612");
    line.replace(240, 3, "777");
    return line;
}

TEST(SavedGameMarksTest, FifthLineOnlyWhenSomethingIsCrossedOutAndItReadsBack)
{
    const std::string plain = EncodeSavedGame(Game());
    EXPECT_EQ(plain.size(), 252u);
    EXPECT_EQ(plain.substr(plain.size() - 3), "2\r\n");

    const std::string marked = EncodeSavedGame(GameWithMarks());
    EXPECT_EQ(marked, plain + FifthLine() + "\r\n");
    const SavedGameResult decoded = DecodeSavedGame(marked);
    ASSERT_TRUE(decoded.game);
    EXPECT_EQ(*decoded.game, GameWithMarks());

    // A reader of four lines that takes 254 characters a read still sees the fifth as one line.
    EXPECT_LT(FifthLine().size() + 2, 254u);
}

TEST(SavedGameMarksTest, FifthLineThatIsNotOneIsIgnoredAndTheGameStillLoads)
{
    const std::string fourLines = EncodeSavedGame(Game());
    struct Case { const char* name; std::string fifth; bool marks; };
    const Case cases[] = {
        {"well formed, LF", FifthLine() + "\n", true},
        {"well formed, lines after it", FifthLine() + "\r\nmore\r\n", true},
        {"well formed, no line end", FifthLine(), true},
        {"one character short", FifthLine().substr(1) + "\r\n", false},
        {"one character more", FifthLine() + "0\r\n", false},
        {"an 8", FifthLine().replace(100, 1, "8") + "\r\n", false},
        {"a letter", FifthLine().replace(242, 1, "a") + "\r\n", false},
        {"empty", "\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGameResult decoded = DecodeSavedGame(fourLines + c.fifth);
        ASSERT_TRUE(decoded.game);
        EXPECT_EQ(*decoded.game, c.marks ? GameWithMarks() : Game());
    }
}

}  // namespace
