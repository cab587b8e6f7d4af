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
// Six cells filled as the solution says, cell 10 with a wrong 9.
const std::string kShown = "123456789" "496789100" "709123056"
                           "030067091" "500801034" "890000567"
                           "305070012" "608900000" "010005000";

SavedGame MakeGame(const std::string& shown, const std::string& puzzle, const std::string& solution, int hints)
{
    SavedGame game;
    for (int i = 0; i < 81; ++i) {
        if (shown[i] != '0')
            game.m_texts[i] = std::string(1, shown[i]);
        game.m_puzzle[i] = puzzle[i] - '0';
        game.m_solution[i] = solution[i] - '0';
    }
    game.m_hintsUsed = hints;
    return game;
}

std::string Lines(const std::string& end, const std::string& shown, const std::string& puzzle,
                  const std::string& solution, const std::string& hints)
{
    return shown + end + puzzle + end + solution + end + hints + end;
}

TEST(SavedGameCodecTest, GameInPlayIsFourCrLfLinesOf252Bytes)
{
    const std::string bytes = EncodeSavedGame(MakeGame(kShown, kPuzzle, kSolution, 1));

    EXPECT_EQ(bytes, Lines("\r\n", kShown, kPuzzle, kSolution, "1"));
    ASSERT_EQ(bytes.size(), 252u);
    EXPECT_EQ(bytes.substr(0, 12), "123456789496");
    EXPECT_EQ(bytes.substr(81, 2), "\r\n");
    EXPECT_EQ(bytes.substr(83, 9), "000406780");
    EXPECT_EQ(bytes.substr(164, 2), "\r\n");
    EXPECT_EQ(bytes.substr(166, 9), "123456789");
    EXPECT_EQ(bytes.substr(247, 5), "\r\n1\r\n");
}

TEST(SavedGameCodecTest, EmptyCellsAreWrittenAsZeroAndReadBackEmpty)
{
    const SavedGame game = MakeGame(kShown, kPuzzle, kSolution, 0);
    ASSERT_TRUE(game.m_texts[16].empty());

    const std::string bytes = EncodeSavedGame(game);
    EXPECT_EQ(bytes[16], '0');
    const SavedGameResult decoded = DecodeSavedGame(bytes);
    ASSERT_TRUE(decoded.game);
    EXPECT_EQ(decoded.game->m_texts[16], "");
    EXPECT_EQ(decoded.game->m_texts[15], "1");
}

TEST(SavedGameCodecTest, EncodeThenDecodeGivesTheSameGame)
{
    for (int hints : {0, 1, 2, 3}) {
        const SavedGame game = MakeGame(kShown, kPuzzle, kSolution, hints);
        const SavedGameResult decoded = DecodeSavedGame(EncodeSavedGame(game));
        ASSERT_TRUE(decoded.game) << hints;
        EXPECT_EQ(*decoded.game, game) << hints;
    }
}

TEST(SavedGameCodecTest, TypedAndHintedCellsComeBackNotGivenBecauseLineTwoHoldsZero)
{
    const SavedGameResult decoded = DecodeSavedGame(Lines("\r\n", kShown, kPuzzle, kSolution, "0"));
    ASSERT_TRUE(decoded.game);
    EXPECT_EQ(decoded.game->m_texts[0], "1");
    EXPECT_EQ(decoded.game->m_puzzle[0], 0);
    EXPECT_EQ(decoded.game->m_texts[3], "4");
    EXPECT_EQ(decoded.game->m_puzzle[3], 4);
    EXPECT_EQ(decoded.game->m_texts[10], "9");
    EXPECT_EQ(decoded.game->m_puzzle[10], 0);
}

TEST(SavedGameCodecTest, LfOnlyFileReadsLikeCrLf)
{
    const SavedGameResult crlf = DecodeSavedGame(Lines("\r\n", kShown, kPuzzle, kSolution, "2"));
    const SavedGameResult lf = DecodeSavedGame(Lines("\n", kShown, kPuzzle, kSolution, "2"));
    ASSERT_TRUE(lf.game);
    ASSERT_TRUE(crlf.game);
    EXPECT_EQ(*lf.game, *crlf.game);
    EXPECT_EQ(*lf.game, MakeGame(kShown, kPuzzle, kSolution, 2));
}

TEST(SavedGameCodecTest, LastLineWithoutLineEndIsRead)
{
    const SavedGameResult decoded = DecodeSavedGame(kShown + "\n" + kPuzzle + "\n" + kSolution + "\n3");
    ASSERT_TRUE(decoded.game);
    EXPECT_EQ(decoded.game->m_hintsUsed, 3);
}

TEST(SavedGameCodecTest, CharactersAfterThe81stAndLinesAfterTheFourthAreIgnored)
{
    const std::string bytes = Lines("\r\n", kShown + "xyz", kPuzzle + "12 ", kSolution + std::string(300, '#'), "1")
                              + "trailing text\r\n";
    const SavedGameResult decoded = DecodeSavedGame(bytes);
    ASSERT_TRUE(decoded.game);
    EXPECT_EQ(*decoded.game, MakeGame(kShown, kPuzzle, kSolution, 1));
}

TEST(SavedGameCodecTest, HintCountAboveThreeIsKeptAsWritten)
{
    for (const auto& [line, expected] : {std::pair{"3", 3}, {"7", 7}, {"007", 7}, {"2147483647", 2147483647}}) {
        const SavedGameResult decoded = DecodeSavedGame(Lines("\n", kShown, kPuzzle, kSolution, line));
        ASSERT_TRUE(decoded.game) << line;
        EXPECT_EQ(decoded.game->m_hintsUsed, expected) << line;
    }
}

struct MalformedCase {
    const char* name;
    std::string bytes;
    SavedGameFault fault;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }

std::string WithChar(std::string line, size_t at, char c)
{
    line[at] = c;
    return line;
}

class MalformedSavedGameTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedSavedGameTest, IsRejectedForItsFault)
{
    const SavedGameResult decoded = DecodeSavedGame(GetParam().bytes);
    EXPECT_FALSE(decoded.game);
    EXPECT_EQ(decoded.fault, GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedSavedGameTest,
    testing::Values(
        MalformedCase{"Empty", "", SavedGameFault::TooFewLines},
        MalformedCase{"ThreeLines", kShown + "\r\n" + kPuzzle + "\r\n" + kSolution + "\r\n",
                      SavedGameFault::TooFewLines},
        MalformedCase{"TextFile", "hello\nworld\n", SavedGameFault::TooFewLines},
        MalformedCase{"ShortLine1", Lines("\r\n", kShown.substr(0, 80), kPuzzle, kSolution, "0"),
                      SavedGameFault::ShortLine},
        MalformedCase{"ShortLine2", Lines("\r\n", kShown, kPuzzle.substr(0, 80), kSolution, "0"),
                      SavedGameFault::ShortLine},
        MalformedCase{"ShortLine3", Lines("\n", kShown, kPuzzle, kSolution.substr(0, 40), "0"),
                      SavedGameFault::ShortLine},
        MalformedCase{"LetterInLine1", Lines("\r\n", WithChar(kShown, 80, 'x'), kPuzzle, kSolution, "0"),
                      SavedGameFault::NotADigit},
        MalformedCase{"LetterInLine2", Lines("\r\n", kShown, WithChar(kPuzzle, 5, 'a'), kSolution, "0"),
                      SavedGameFault::NotADigit},
        MalformedCase{"BlankInLine3", Lines("\r\n", kShown, kPuzzle, WithChar(kSolution, 0, ' '), "0"),
                      SavedGameFault::NotADigit},
        MalformedCase{"CrInsideLine2", Lines("\r\n", kShown, WithChar(kPuzzle, 40, '\r'), kSolution, "0"),
                      SavedGameFault::NotADigit},
        MalformedCase{"NegativeHints", Lines("\r\n", kShown, kPuzzle, kSolution, "-1"),
                      SavedGameFault::BadHintCount},
        MalformedCase{"WordHints", Lines("\r\n", kShown, kPuzzle, kSolution, "abc"),
                      SavedGameFault::BadHintCount},
        MalformedCase{"EmptyHints", Lines("\r\n", kShown, kPuzzle, kSolution, ""),
                      SavedGameFault::BadHintCount},
        MalformedCase{"HintsWithTrailingBlank", Lines("\n", kShown, kPuzzle, kSolution, "1 "),
                      SavedGameFault::BadHintCount},
        MalformedCase{"HintsWithPlusSign", Lines("\n", kShown, kPuzzle, kSolution, "+1"),
                      SavedGameFault::BadHintCount},
        MalformedCase{"HintsBeyondInt", Lines("\r\n", kShown, kPuzzle, kSolution, "99999999999999999999"),
                      SavedGameFault::BadHintCount},
        MalformedCase{"HintsJustBeyondInt", Lines("\r\n", kShown, kPuzzle, kSolution, "2147483648"),
                      SavedGameFault::BadHintCount},
        // Cells 3 and 73 are givens (4 and 1) in the puzzle.
        MalformedCase{"GivenShownAsOtherDigit", Lines("\r\n", WithChar(kShown, 3, '5'), kPuzzle, kSolution, "0"),
                      SavedGameFault::GivenMismatch},
        MalformedCase{"GivenShownEmpty", Lines("\r\n", WithChar(kShown, 73, '0'), kPuzzle, kSolution, "0"),
                      SavedGameFault::GivenMismatch}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
