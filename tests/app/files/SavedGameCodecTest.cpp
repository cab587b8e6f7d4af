// Writing and reading back the four lines of a saved game, and the files that are not one.
#include "SavedGameCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Grid81 rows of nine, written one after the other.
const std::string kSolution = "123456789" "456789123" "789123456"
                              "234567891" "567891234" "891234567"
                              "345678912" "678912345" "912345678";
const std::string kPuzzle = "000406780" "006789100" "709123056"
                            "030067091" "500801034" "890000567"
                            "305070012" "608900000" "010005000";
// Six cells filled as the solution says, cell 10 with a wrong 9; cell 16 empty.
const std::string kShown = "123456789" "496789100" "709123056"
                           "030067091" "500801034" "890000567"
                           "305070012" "608900000" "010005000";

SavedGame Game(int hints)
{
    SavedGame game;
    for (int i = 0; i < 81; ++i) {
        if (kShown[i] != '0')
            game.m_texts[i] = std::string(1, kShown[i]);
        game.m_puzzle[i] = kPuzzle[i] - '0';
        game.m_solution[i] = kSolution[i] - '0';
    }
    game.m_hintsUsed = hints;
    return game;
}

// Cell 0 without 1, 5 and 9; cell 2 without 2, 3, 4 and 8; cell 80 without every digit.
SavedGame Marked(int hints)
{
    SavedGame game = Game(hints);
    game.m_crossedOut[0] = 0b100010001;
    game.m_crossedOut[2] = 0b010001110;
    game.m_crossedOut[80] = 0x1FF;
    return game;
}
const std::string kMarks = "124000612" + std::string(231, '0') + "777";

std::string File(const std::string& hints, const std::string& end = "\r\n", const std::string& shown = kShown,
                 const std::string& puzzle = kPuzzle, const std::string& solution = kSolution)
{
    return shown + end + puzzle + end + solution + end + hints + end;
}

std::string WithChar(std::string line, size_t at, char c)
{
    line[at] = c;
    return line;
}

TEST(SavedGameCodecTest, GameInPlayIsFourCrLfLinesOf252Bytes)
{
    const std::string bytes = EncodeSavedGame(Game(1));
    EXPECT_EQ(bytes, File("1"));
    EXPECT_EQ(bytes.size(), 252u);
}

// Crossed-out digits go in a fifth line, only when there are any; one that is not such a line is ignored.
TEST(SavedGameCodecTest, MarksAreAFifthLineReadOnlyWhenWellFormed)
{
    EXPECT_EQ(EncodeSavedGame(Marked(2)), File("2") + kMarks + "\r\n");
    struct Case { const char* name; std::string fifth; bool marks; };
    const Case cases[] = {
        {"CrLf", kMarks + "\r\n", true},
        {"LfAndLinesAfterIt", kMarks + "\nmore\r\n", true},
        {"NoLineEnd", kMarks, true},
        {"OneShort", kMarks.substr(1) + "\r\n", false},
        {"OneMore", kMarks + "0\r\n", false},
        {"An8", WithChar(kMarks, 100, '8') + "\r\n", false},
        {"ALetter", WithChar(kMarks, 242, 'a') + "\r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGameResult decoded = DecodeSavedGame(File("2") + c.fifth);
        ASSERT_TRUE(decoded.game);
        EXPECT_EQ(*decoded.game, c.marks ? Marked(2) : Game(2));
    }
}

// Texts come from line 1 and only line 2 makes a cell given, so typed and hinted cells stay typed.
TEST(SavedGameCodecTest, ReadsTheGameWhateverTheLineEndsAndTrailingText)
{
    struct Case { const char* name; std::string bytes; int hints; };
    const Case cases[] = {
        {"CrLf", File("2"), 2},
        {"LfOnly", File("2", "\n"), 2},
        {"LastLineWithoutLineEnd", kShown + "\n" + kPuzzle + "\n" + kSolution + "\n3", 3},
        {"CharactersAfterThe81stAndLinesAfterTheFourth",
         File("1", "\r\n", kShown + "xyz", kPuzzle + "12 ", kSolution + std::string(300, '#')) + "more\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGameResult decoded = DecodeSavedGame(c.bytes);
        ASSERT_TRUE(decoded.game);
        EXPECT_EQ(*decoded.game, Game(c.hints));
    }
}

TEST(SavedGameCodecTest, MalformedFileIsRejectedForItsFault)
{
    using enum SavedGameFault;
    struct Case { const char* name; std::string bytes; SavedGameFault fault; };
    const Case cases[] = {
        {"Empty", "", TooFewLines},
        {"ThreeLines", kShown + "\r\n" + kPuzzle + "\r\n" + kSolution + "\r\n", TooFewLines},
        {"ShortLine2", File("0", "\r\n", kShown, kPuzzle.substr(0, 80)), ShortLine},
        {"LetterInLine2", File("0", "\r\n", kShown, WithChar(kPuzzle, 5, 'a')), NotADigit},
        {"NegativeHints", File("-1"), BadHintCount},
        {"WordHints", File("abc"), BadHintCount},
        {"HintsBeyondInt", File("99999999999999999999"), BadHintCount},
        // Cell 3 is a given 4 in the puzzle.
        {"GivenShownAsOtherDigit", File("0", "\r\n", WithChar(kShown, 3, '5')), GivenMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGameResult decoded = DecodeSavedGame(c.bytes);
        EXPECT_FALSE(decoded.game);
        EXPECT_EQ(decoded.fault, c.fault);
    }
}

}  // namespace
