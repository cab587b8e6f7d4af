// Reading one line of data.dat and turning its first 81 characters into a grid.
#include "PuzzleFile.h"
#include "ScriptedRandom.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

struct ReadCase {
    const char* name;
    std::string file;
    std::vector<std::string> lines;  // what line 1, 2, ... reads as
};

void PrintTo(const ReadCase& test, std::ostream* out) { *out << test.name; }

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class ReadPuzzleLineTest : public testing::TestWithParam<ReadCase> {};

// Every line, then line 27 past the end and INT_MAX, which read as the last line; a file
// without CRs is read again with CR LF line ends, which must read alike.
TEST_P(ReadPuzzleLineTest, ReadsTheNumberedLine)
{
    const std::vector<std::string>& lines = GetParam().lines;
    std::vector<std::string> files = {GetParam().file};
    if (GetParam().file.find('\r') == std::string::npos)
        files.push_back(Replaced(GetParam().file, "\n", "\r\n"));
    for (const std::string& bytes : files) {
        const TempFile file(bytes);
        const auto expectLine = [&](int n, const std::string& expected) {
            const PuzzleLineResult result = ReadPuzzleLine(file.Path(), n);
            ASSERT_TRUE(result.line.has_value()) << n << " of " << testing::PrintToString(bytes);
            EXPECT_EQ(*result.line, expected) << n << " of " << testing::PrintToString(bytes);
        };
        const int count = static_cast<int>(lines.size());
        for (int n = 1; n <= count; ++n)
            expectLine(n, lines[n - 1]);
        expectLine(count + 27, lines.back());
        expectLine(INT_MAX, lines.back());
    }
}

const std::string k254(254, '2');
const std::string k300 = std::string(254, 'a') + std::string(46, 'b');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPuzzleLineTest,
    testing::Values(
        ReadCase{"ThreeLines", "abc\ndef\nghi\n", {"abc", "def", "ghi"}},
        ReadCase{"LastLineWithoutNewline", "abc\ndef", {"abc", "def"}},
        ReadCase{"LoneCrIsText", "ab\rc\nd\n", {"ab\rc", "d"}},
        ReadCase{"Line254LeavesItsNewlineForTheNextRead", k254 + "\nnext\n", {k254, "", "next"}},
        ReadCase{"Line300CountsAsTwo", k300 + "\nnext\n",
                 {std::string(254, 'a'), std::string(46, 'b'), "next"}},
        ReadCase{"NulEndsTheLineButNotTheRead", std::string("12\0" "345\n6\0\n", 10), {"12", "6"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    const char* file;  // nullptr: no file at all
    int lineNumber;
    PuzzleFileError error;
};

void PrintTo(const FailureCase& test, std::ostream* out) { *out << test.name; }

class ReadPuzzleLineFailureTest : public testing::TestWithParam<FailureCase> {};

// Dealing reports the same failure as reading and makes no draw.
TEST_P(ReadPuzzleLineFailureTest, ReadAndDealReportInsteadOfReading)
{
    std::optional<TempFile> file;
    std::string path = (std::filesystem::temp_directory_path() / "tessaly-no-such.dat").string();
    if (GetParam().file) {
        file.emplace(GetParam().file);
        path = file->Path();
    }
    const PuzzleLineResult result = ReadPuzzleLine(path, GetParam().lineNumber);
    EXPECT_FALSE(result.line.has_value());
    EXPECT_EQ(result.error, GetParam().error);

    ScriptedRandom random = ScriptedRandom::FromDraws(std::vector<int>(27, 0));
    const DealResult deal = DealPuzzle(path, GetParam().lineNumber, 1, random);
    EXPECT_FALSE(deal.game.has_value());
    EXPECT_EQ(deal.error, GetParam().error);
    EXPECT_EQ(random.Consumed(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPuzzleLineFailureTest,
    testing::Values(FailureCase{"MissingFile", nullptr, 1, PuzzleFileError::CannotOpen},
                    FailureCase{"EmptyFile", "", 1, PuzzleFileError::NoLines},
                    FailureCase{"LineZero", "abc\n", 0, PuzzleFileError::BadLineNumber},
                    FailureCase{"LineZeroOfMissingFile", nullptr, 0, PuzzleFileError::BadLineNumber}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    std::string line;
    std::vector<std::pair<int, int>> digits;  // (index, value); every other cell is 0
};

void PrintTo(const ParseCase& test, std::ostream* out) { *out << test.name; }

class ParsePuzzleLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParsePuzzleLineTest, TakesOneCharacterPerCell)
{
    Grid81 expected{};
    for (auto [index, value] : GetParam().digits)
        expected[index] = value;
    EXPECT_EQ(ParsePuzzleLine(GetParam().line), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParsePuzzleLineTest,
    testing::Values(
        ParseCase{"ShortLineFillsTheFirstCells", "12", {{0, 1}, {1, 2}}},
        ParseCase{"ZeroIsEmpty", "0905", {{1, 9}, {3, 5}}},
        ParseCase{"SignsBlanksAndLettersAreEmpty", "+5 -7a3\t\r\n8",
                  {{1, 5}, {4, 7}, {6, 3}, {10, 8}}},
        ParseCase{"DigitAtPosition81IsKept", std::string(80, '0') + "6", {{80, 6}}},
        ParseCase{"CharactersAfterThe81stAreIgnored", std::string(81, '0') + "123456789", {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
