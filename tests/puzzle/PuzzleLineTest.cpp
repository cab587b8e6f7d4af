// Reading one line of data.dat and turning its first 81 characters into a grid.
#include "PuzzleFile.h"
#include "ScriptedRandom.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <climits>

// One file holds every kind of line: a lone CR, a line of 254 characters whose newline is left
// for the next read, one of 300 that counts as two reads, a NUL that ends the line's text but not
// its read, and a last line without newline. Past the end, up to INT_MAX, the last line stays.
// The file is read again with CR LF line ends, which must read alike.
TEST(ReadPuzzleLineTest, ReadsTheNumberedLine)
{
    const std::string k254(254, '2'), a254(254, 'a'), b46(46, 'b');
    const std::string file = "abc\nd\ref\n" + k254 + "\n" + a254 + b46 + "\n" + std::string("12\0" "345\n", 7) + "ghi";
    const std::vector<std::string> lines = {"abc", "d\ref", k254, "", a254, b46, "12", "ghi"};
    std::string crlf;
    for (char c : file)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& bytes : {file, crlf}) {
        const TempFile temp(bytes);
        for (int n = 1; n <= 10; ++n) {
            const PuzzleLineResult result = ReadPuzzleLine(temp.Path(), n == 10 ? INT_MAX : n);
            ASSERT_TRUE(result.line.has_value()) << n;
            EXPECT_EQ(*result.line, lines[std::min<size_t>(n, lines.size()) - 1])
                << "line " << n << (bytes == crlf ? " with CR LF" : "");
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
