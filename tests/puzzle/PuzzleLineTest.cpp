// Reading one line of data.dat and turning its first 81 characters into a grid.
#include "PuzzleFile.h"
#include "ScriptedRandom.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <climits>

// Every line, then a line 27 past the end and INT_MAX, which read as the last line; each file
// is read again with CR LF line ends, which must read alike.
TEST(ReadPuzzleLineTest, ReadsTheNumberedLine)
{
    const std::string k254(254, '2'), a254(254, 'a'), b46(46, 'b');
    const struct { const char* name; std::string file; std::vector<std::string> lines; } cases[] = {
        {"ThreeLines", "abc\ndef\nghi\n", {"abc", "def", "ghi"}},
        {"LastLineWithoutNewline", "abc\ndef", {"abc", "def"}},
        {"LoneCrIsText", "ab\rc\nd\n", {"ab\rc", "d"}},
        {"Line254LeavesItsNewlineForTheNextRead", k254 + "\nnext\n", {k254, "", "next"}},
        {"Line300CountsAsTwo", a254 + b46 + "\nnext\n", {a254, b46, "next"}},
        {"NulEndsTheLineButNotTheRead", std::string("12\0" "345\n6\0\n", 10), {"12", "6"}},
    };
    for (const auto& test : cases) {
        std::string crlf;
        for (char c : test.file)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        for (const std::string& bytes : {test.file, crlf}) {
            SCOPED_TRACE(testing::Message() << test.name << ": " << testing::PrintToString(bytes));
            const TempFile file(bytes);
            const int count = static_cast<int>(test.lines.size());
            for (int n : {1, 2, 3, count + 27, INT_MAX}) {
                const PuzzleLineResult result = ReadPuzzleLine(file.Path(), n);
                ASSERT_TRUE(result.line.has_value()) << n;
                EXPECT_EQ(*result.line, test.lines[std::min(n, count) - 1]) << n;
            }
        }
    }
}

// Dealing reports the same failure as reading and makes no draw.
TEST(ReadPuzzleLineTest, ReadAndDealReportFailuresInsteadOfReading)
{
    const TempFile empty(""), oneLine("abc\n");
    const std::string missing = empty.Path() + ".missing";
    const struct { std::string path; int lineNumber; PuzzleFileError error; } cases[] = {
        {missing, 1, PuzzleFileError::CannotOpen}, {empty.Path(), 1, PuzzleFileError::NoLines},
        {oneLine.Path(), 0, PuzzleFileError::BadLineNumber}, {missing, 0, PuzzleFileError::BadLineNumber}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.path << " line " << test.lineNumber);
        const PuzzleLineResult result = ReadPuzzleLine(test.path, test.lineNumber);
        EXPECT_FALSE(result.line.has_value());
        EXPECT_EQ(result.error, test.error);
        ScriptedRandom random = ScriptedRandom::FromDraws(std::vector<int>(27, 0));
        const DealResult deal = DealPuzzle(test.path, test.lineNumber, 1, random);
        EXPECT_FALSE(deal.game.has_value());
        EXPECT_EQ(deal.error, test.error);
        EXPECT_EQ(random.Consumed(), 0u);
    }
}

// "1"-"9" are digits, anything else (0, signs, blanks, letters, line ends) an empty cell;
// a short line fills the first cells, and characters past the 81st are ignored.
TEST(ParsePuzzleLineTest, TakesOneCharacterPerCell)
{
    const struct { std::string line; std::vector<std::pair<int, int>> digits; } cases[] = {
        {"12", {{0, 1}, {1, 2}}},
        {"0905+5 -7a3\t\r\n8", {{1, 9}, {3, 5}, {5, 5}, {8, 7}, {10, 3}, {14, 8}}},
        {std::string(80, '0') + "6123456789", {{80, 6}}},
    };
    for (const auto& test : cases) {
        Grid81 expected{};
        for (auto [index, value] : test.digits)
            expected[index] = value;
        EXPECT_EQ(ParsePuzzleLine(test.line), expected) << testing::PrintToString(test.line);
    }
}
