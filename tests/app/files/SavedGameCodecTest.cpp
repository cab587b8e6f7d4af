// Writing and reading back the lines of a saved game, and the files that are not one.
#include "SavedGameCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Grid81 rows of nine, one after the other. The shown line has cell 10 with a wrong 9 and cell 16 empty.
const std::string kSolution = "123456789" "456789123" "789123456" "234567891" "567891234" "891234567"
                              "345678912" "678912345" "912345678";
const std::string kPuzzle = "000406780" "006789100" "709123056" "030067091" "500801034" "890000567"
                            "305070012" "608900000" "010005000";
const std::string kShown = "123456789" "496789100" + kPuzzle.substr(18);
// Cell 0 without 1, 5 and 9; cell 80 without every digit.
const std::string kMarks = "124" + std::string(237, '0') + "777";

// Every row, every column, but no box holds each digit once.
const std::string kLatinSquare = "123456789" "234567891" "345678912" "456789123" "567891234" "678912345"
                                 "789123456" "891234567" "912345678";
// A puzzle being entered: digits typed in cells 0 and 80, no puzzle and no solution yet.
const std::string kNothing(81, '0');
const std::string kEntered = "5" + std::string(79, '0') + "9";

SavedGame Game(int hints, bool marked = false)
{
    SavedGame game;
    for (int i = 0; i < 81; ++i) {
        game.m_texts[i] = kShown[i] == '0' ? "" : std::string(1, kShown[i]);
        game.m_puzzle[i] = kPuzzle[i] - '0';
        game.m_solution[i] = kSolution[i] - '0';
    }
    game.m_hintsUsed = hints;
    if (marked) {
        game.m_crossedOut[0] = 0b100010001;
        game.m_crossedOut[80] = 0x1FF;
    }
    return game;
}

// Cells a and b of `grid` trade places.
std::string Swapped(std::string grid, int a, int b)
{
    std::swap(grid[a], grid[b]);
    return grid;
}

// Still a solved grid, but not the givens' solution.
std::string OnesAndTwosTraded(std::string grid)
{
    for (char& c : grid)
        c = c == '1' ? '2' : c == '2' ? '1' : c;
    return grid;
}

SavedGame Entry()
{
    SavedGame game;
    game.m_texts[0] = "5";
    game.m_texts[80] = "9";
    game.m_enteringGame = true;
    return game;
}

std::string File(const std::string& hints, const std::string& end = "\r\n", const std::string& shown = kShown,
                 const std::string& puzzle = kPuzzle, const std::string& solution = kSolution)
{
    return shown + end + puzzle + end + solution + end + hints + end;
}

// Empty cells are 0, lines end in CR LF, and the crossed-out digits make a fifth line only when there are any.
// Reading takes texts from line 1 and givens from line 2 alone, so typed and hinted cells stay typed.
TEST(SavedGameCodecTest, WritesCrLfLinesAndReadsEveryLineEndOrRejectsTheFileForItsFault)
{
    EXPECT_EQ(EncodeSavedGame(Game(1)), File("1"));
    EXPECT_EQ(EncodeSavedGame(Game(2, true)), File("2") + kMarks + "\r\n");
    EXPECT_EQ(EncodeSavedGame(Entry()), File("0", "\r\n", kEntered, kNothing, kNothing));

    using enum SavedGameFault;
    struct Case { const char* name; std::string bytes; std::optional<SavedGame> game; SavedGameFault fault; };
    const Case cases[] = {
        {"CrLf", File("2"), Game(2), {}},
        {"LastLineWithoutLineEnd", kShown + "\n" + kPuzzle + "\n" + kSolution + "\n3", Game(3), {}},
        {"CharactersAfterThe81st", File("1", "\r\n", kShown + "xyz", kPuzzle + "12 ", kSolution + "#") + "more\r\n",
         Game(1), {}},
        {"MarksLfAndLinesAfterThem", File("2", "\n") + kMarks + "\nmore\r\n", Game(2, true), {}},
        {"MarksOneMoreAreIgnored", File("2") + kMarks + "0\r\n", Game(2), {}},
        {"MarksWithAn8AreIgnored", File("2") + std::string(kMarks).replace(100, 1, "8") + "\r\n", Game(2), {}},
        {"ThreeLines", kShown + "\r\n" + kPuzzle + "\r\n" + kSolution + "\r\n", std::nullopt, TooFewLines},
        {"ShortLine2", File("0", "\r\n", kShown, kPuzzle.substr(0, 80)), std::nullopt, ShortLine},
        {"LetterInLine2", File("0", "\r\n", kShown, std::string(kPuzzle).replace(5, 1, "a")), std::nullopt, NotADigit},
        {"NegativeHints", File("-1"), std::nullopt, BadHintCount},
        {"HintsBeyondInt", File("99999999999999999999"), std::nullopt, BadHintCount},
        {"Given4ShownAs5", File("0", "\r\n", std::string(kShown).replace(3, 1, "5")), std::nullopt, GivenMismatch},
        {"EntryWithoutPuzzleOrSolution", File("0", "\r\n", kEntered, kNothing, kNothing), Entry(), {}},
        {"SolutionWithAnEmptyCell", File("0", "\r\n", kShown, kPuzzle, std::string(kSolution).replace(80, 1, "0")),
         std::nullopt, BadSolution},
        {"SolutionWithoutPuzzleIsNoEntry", File("0", "\r\n", kNothing, kNothing, std::string(kSolution).replace(80, 1, "0")),
         std::nullopt, BadSolution},
        // Swapping two cells of a box keeps that box whole: above each other, the rows clash; side by side, the columns.
        {"SolutionRowsClash", File("0", "\r\n", kShown, kPuzzle, Swapped(kSolution, 0, 9)), std::nullopt, BadSolution},
        {"SolutionColumnsClash", File("0", "\r\n", kShown, kPuzzle, Swapped(kSolution, 0, 1)), std::nullopt, BadSolution},
        {"SolutionBoxesClash", File("0", "\r\n", kShown, kPuzzle, kLatinSquare), std::nullopt, BadSolution},
        {"GivensWithoutSolutionIsNoEntry", File("0", "\r\n", kShown, kPuzzle, kNothing), std::nullopt, BadSolution},
        {"SolutionDisagreesWithGivens", File("0", "\r\n", kShown, kPuzzle, OnesAndTwosTraded(kSolution)), std::nullopt,
         SolutionMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGameResult decoded = DecodeSavedGame(c.bytes);
        EXPECT_EQ(decoded.game, c.game);
        if (!c.game) {
            EXPECT_EQ(decoded.fault, c.fault);
        }
    }
}

}  // namespace
