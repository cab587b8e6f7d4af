// Reading one line of data.dat and turning its first 81 characters into a grid.
#include "PuzzleFile.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

std::string TenLines()
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "line" + std::to_string(i) + "\n";
    return text;
}

struct ReadCase {
    const char* name;
    std::string file;
    int lineNumber;
    std::string expected;
};

void PrintTo(const ReadCase& test, std::ostream* out) { *out << test.name; }

class ReadPuzzleLineTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadPuzzleLineTest, ReadsTheNumberedLine)
{
    const TempFile file(GetParam().file);
    const PuzzleLineResult result = ReadPuzzleLine(file.Path(), GetParam().lineNumber);
    ASSERT_TRUE(result.line.has_value());
    EXPECT_EQ(*result.line, GetParam().expected);
}

const std::string k253(253, '1');
const std::string k254(254, '2');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPuzzleLineTest,
    testing::Values(
        ReadCase{"FirstLine", "abc\ndef\nghi\n", 1, "abc"},
        ReadCase{"SecondLine", "abc\ndef\nghi\n", 2, "def"},
        ReadCase{"LastLine", "abc\ndef\nghi\n", 3, "ghi"},
        ReadCase{"LineNumberPastEndUsesLastLine", TenLines(), 37, "line10"},
        ReadCase{"HugeLineNumberUsesLastLine", TenLines(), INT_MAX, "line10"},
        ReadCase{"LastLineWithoutNewline", "abc\ndef", 2, "def"},
        ReadCase{"PastEndOfLastLineWithoutNewline", "abc\ndef", 3, "def"},
        ReadCase{"EmptyLineCounts", "\nabc\n", 1, ""},
        ReadCase{"LineAfterEmptyLine", "\nabc\n", 2, "abc"},
        ReadCase{"CrLfLineEndIsDropped", "abc\r\ndef\r\n", 1, "abc"},
        ReadCase{"CrLfSecondLine", "abc\r\ndef\r\n", 2, "def"},
        ReadCase{"LoneCrIsText", "ab\rc\nd\n", 1, "ab\rc"},
        ReadCase{"Line253FitsOneRead", k253 + "\nnext\n", 2, "next"},
        ReadCase{"Line253WithCrLfFitsOneRead", k253 + "\r\nnext\r\n", 2, "next"},
        ReadCase{"Line254IsOneRead", k254 + "\nnext\n", 1, k254},
        ReadCase{"Line254LeavesItsNewlineForTheNextRead", k254 + "\nnext\n", 2, ""},
        ReadCase{"LineAfter254IsThird", k254 + "\nnext\n", 3, "next"},
        ReadCase{"Line300FirstRead", std::string(254, 'a') + std::string(46, 'b') + "\nnext\n", 1,
                 std::string(254, 'a')},
        ReadCase{"Line300RestIsSecondLine",
                 std::string(254, 'a') + std::string(46, 'b') + "\nnext\n", 2,
                 std::string(46, 'b')},
        ReadCase{"LineAfter300IsThird", std::string(254, 'a') + std::string(46, 'b') + "\nnext\n",
                 3, "next"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPuzzleLineTest, CrLfAndLfFilesReadAlike)
{
    const std::string lines[] = {"437892615821536749", std::string(300, '7'), "", "12"};
    std::string lf, crlf;
    for (const std::string& line : lines) {
        lf += line + "\n";
        crlf += line + "\r\n";
    }
    const TempFile lfFile(lf), crlfFile(crlf);
    for (int n = 1; n <= 6; ++n) {
        const PuzzleLineResult a = ReadPuzzleLine(lfFile.Path(), n);
        const PuzzleLineResult b = ReadPuzzleLine(crlfFile.Path(), n);
        ASSERT_TRUE(a.line && b.line) << n;
        EXPECT_EQ(*a.line, *b.line) << n;
    }
}

struct FailureCase {
    const char* name;
    const char* file;  // nullptr: no file at all
    int lineNumber;
    PuzzleFileError error;
};

void PrintTo(const FailureCase& test, std::ostream* out) { *out << test.name; }

class ReadPuzzleLineFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ReadPuzzleLineFailureTest, ReportsInsteadOfReading)
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
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPuzzleLineFailureTest,
    testing::Values(FailureCase{"MissingFile", nullptr, 1, PuzzleFileError::CannotOpen},
                    FailureCase{"EmptyFile", "", 1, PuzzleFileError::NoLines},
                    FailureCase{"EmptyFileFarLine", "", 50, PuzzleFileError::NoLines},
                    FailureCase{"LineZero", "abc\n", 0, PuzzleFileError::BadLineNumber},
                    FailureCase{"NegativeLine", "abc\n", -3, PuzzleFileError::BadLineNumber},
                    FailureCase{"LineZeroOfMissingFile", nullptr, 0,
                                PuzzleFileError::BadLineNumber}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPuzzleLineTest, FolderInsteadOfFileIsAFailure)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    const PuzzleLineResult result = ReadPuzzleLine(folder, 1);
    EXPECT_FALSE(result.line.has_value());
}

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
        ParseCase{"EmptyLine", "", {}},
        ParseCase{"ZeroIsEmpty", "0905", {{1, 9}, {3, 5}}},
        ParseCase{"SignsBlanksAndLettersAreEmpty", "+5 -7a3\t\r\n8",
                  {{1, 5}, {4, 7}, {6, 3}, {10, 8}}},
        ParseCase{"BytesAboveAsciiAreEmpty", "\xE9" "4\xFF", {{1, 4}}},
        ParseCase{"DigitAtPosition81IsKept", std::string(80, '0') + "6", {{80, 6}}},
        ParseCase{"CharactersAfterThe81stAreIgnored", std::string(81, '0') + "123456789", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParsePuzzleLineTest, FullLineGivesEveryDigitInRowMajorOrder)
{
    const std::string line =
        "437892615821536749956471823542169387369748152178325964684953271295617438713284596";
    const Grid81 grid = ParsePuzzleLine(line);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(grid[i], line[i] - '0') << i;
}

}  // namespace
