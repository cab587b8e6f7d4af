// Puzzles pasted as text: which texts are a puzzle, the cells they give, and the text written back.
#include "PuzzleText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const std::string kDots = "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7";

std::string Repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// The texts a clipboard may hold; `cells` is what they give, in reading order, or "" for no puzzle.
TEST(PuzzleTextTest, ExactlyEightyOneCellsBetweenSeparatorsAreAPuzzle)
{
    const struct {
        const char* what;
        std::string text;
        std::string cells;
    } rows[] = {
        {"one line with dots", kDots, kDots},
        {"one line with zeros and a line end",
         "201074005890051070547006013600009050902007030100000029400790301719060540308145007\r\n", kDots},
        {"a drawn grid with bars and dashes",
         "2 . 1 | . 7 4 | . . 5\n"
         "8 9 . | . 5 1 | . 7 .\n"
         "5 4 7 | . . 6 | . 1 3\n"
         "------+-------+------\n"
         "6 . . | . . 9 | . 5 .\n"
         "9 . 2 | . . 7 | . 3 .\n"
         "1 . . | . . . | . 2 9\n"
         "------+-------+------\n"
         "4 . . | 7 9 . | 3 . 1\n"
         "7 1 9 | . 6 . | 5 4 .\n"
         "3 . 8 | 1 4 5 | . . 7\n",
         kDots},
        {"underscores, stars, tabs and a frame of equals signs",
         "\t+===+\n|2_1*74**5|\r\n|89__51*7_|\t547__6_13\v6____9_5_\f9_2__7_3_1______29\n"
         "4__79_3_1719_6_54_3_8145__7\n+===+",
         kDots},
        {"eighty cells", kDots.substr(1), ""},
        {"eighty-two cells", kDots + "1", ""},
        {"two puzzles", kDots + "\n" + kDots, ""},
        {"a letter among the cells", std::string(kDots).replace(40, 1, 1, 'x'), ""},
        {"a letter after the cells", kDots + " x", ""},
        {"a NUL byte", kDots + std::string(1, '\0'), ""},
        {"commas between the cells", Repeated("1,", 80) + "1", ""},
        {"nothing", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<Grid81> cells = ParsePuzzleText(row.text);
        EXPECT_EQ(cells ? FormatPuzzleText(*cells) : "", row.cells);
    }
}

// Every blank and digit value in every place: the text gives back the same cells.
TEST(PuzzleTextTest, FormattedCellsReadBackTheSame)
{
    Grid81 cells{};
    for (int i = 0; i < 81; ++i)
        cells[i] = (i * 7) % 10;
    const std::string text = FormatPuzzleText(cells);
    EXPECT_EQ(text.substr(0, 11), ".741852963.");
    EXPECT_EQ(ParsePuzzleText(text), cells);
}

}  // namespace
