// Each technique of the step solver on a board where it applies, and on a near miss where it must not.
#include "PuzzleFile.h"
#include "StepSolver.h"
#include "StepTechniques.h"
#include "StepText.h"

#include <gtest/gtest.h>

namespace {

// Boards as ParsePuzzleLine reads them: small ones holding only what the technique needs, and
// positions met on the way through generated puzzles, of which this one serves several techniques.
const std::string Midgame = "2..71..4..1...9...6..5..9..4.........7.68...3.5..91...5.2....8.3.......5..1....7.";

// The near miss sets missCell to missDigit (0 clears it); the step is named as tessaly-solve names rows and columns.
struct TechniqueCase {
    Technique technique; std::string board; const char* difficulty; int missCell, missDigit; const char* step;
};

const TechniqueCase TechniqueCases[] = {
    {Technique::FullHouse, "12345678", "1.0", 7, 0,
     "Full house: row 1, column 9 is the last empty cell in row 1, so it takes the 9."},
    {Technique::HiddenSingleInBox, "............1...........1...1...........................1", "1.2", 56, 0,
     "Hidden single in a box: in the top-left box, the 1 fits only in row 1, column 1."},
    {Technique::HiddenSingleInLine, ".........1...........1......1...........1..........1....1...........1..........1", "1.5", 79, 0,
     "Hidden single: in row 1, the 1 fits only in row 1, column 9."},
    {Technique::DirectPointing, "2.1.74..589..51.7.547..6.136....9.5.9.2..7.3.1......294..79.3.1719.6.54.3.8145..7", "1.7", 5, 0,
     "Direct pointing: in the top-middle box, the 3 can only go where it meets column 4, so it goes nowhere else in "
     "column 4; that leaves row 8, column 6 as the only place for the 3 in the bottom-middle box."},
    {Technique::DirectClaiming, "..2345678...6.7234", "1.9", 12, 0,
     "Direct claiming: in row 1, the 1 can only go where it meets the top-left box, so it goes nowhere else in the "
     "top-left box; that leaves row 2, column 5 as the only place for the 1 in row 2."},
    {Technique::DirectHiddenPair, Midgame, "2.0", 0, 0,
     "Direct hidden pair: in column 1, 1 and 7 fit only in row 2, column 1 and row 5, column 1, so these cells take "
     "nothing else; that leaves row 9, column 1 as the only place for the 9 in column 1."},
    {Technique::NakedSingle, "12345..........8...................6........7", "2.3", 15, 0, "Naked single: row 1, column 9 can only take the 9."},
    {Technique::DirectHiddenTriple, Midgame, "2.5", 27, 0,
     "Direct hidden triple: in row 5, 2, 4 and 5 fit only in row 5, column 6; row 5, column 7 and row 5, column 8, so "
     "these cells take nothing else; that leaves row 5, column 1 as the only place for the 1 in row 5."},
    {Technique::Pointing, ".........234......567", "2.6", 20, 0,
     "Pointing: in the top-left box, the 1 can only go where it meets row 1, so the 1 is removed from row 1, "
     "column 4; row 1, column 5; row 1, column 6; row 1, column 7; row 1, column 8 and row 1, column 9."},
    {Technique::Claiming, "...234567", "2.8", 8, 0,
     "Claiming: in row 1, the 1 can only go where it meets the top-left box, so the 1 is removed from row 2, "
     "column 1; row 2, column 2; row 2, column 3; row 3, column 1; row 3, column 2 and row 3, column 3."},
    {Technique::NakedPair, Midgame, "3.0", 0, 0,
     "Naked pair: row 5, column 1 and row 5, column 3 can only take 1 and 9, so these digits go nowhere else in "
     "row 5: the 1 is removed from row 5, column 7 and row 5, column 8, and the 9 is removed from row 5, column 8."},
    {Technique::XWing, "2..71..4..1...9...6..5..9..42.......17.68...3.5..91...5.2....8.3.7.....5..1....7.", "3.2", 31, 7,
     "X-Wing: in column 5 and column 6, the 7 can only go in row 4 and row 7, so the 7 is removed from row 4, "
     "column 7 and row 4, column 9."},
    {Technique::HiddenPair, Midgame, "3.4", 27, 0,
     "Hidden pair: in column 1, 1 and 7 fit only in row 2, column 1 and row 5, column 1, so these cells take "
     "nothing else: the 8 is removed from row 2, column 1, and the 9 is removed from row 5, column 1."},
    {Technique::NakedTriple, Midgame, "3.6", 36, 1,
     "Naked triple: row 2, column 1; row 6, column 1 and row 9, column 1 can only take 7, 8 and 9, so these digits "
     "go nowhere else in column 1: the 9 is removed from row 5, column 1."},
    {Technique::Swordfish, "2..71..4.71...9...6..5..9..42.......17.68...3.5..91...5.2....8.3.7.....5..1....7.", "3.8", 31, 7,
     "Swordfish: in column 5, column 6 and column 7, the 7 can only go in row 4, row 6 and row 7, so the 7 is "
     "removed from row 4, column 9 and row 6, column 9."},
    {Technique::HiddenTriple, Midgame, "4.0", 0, 0,
     "Hidden triple: in row 5, 2, 4 and 5 fit only in row 5, column 6; row 5, column 7 and row 5, column 8, so "
     "these cells take nothing else: the 1 is removed from row 5, column 7 and row 5, column 8, and the 9 is "
     "removed from row 5, column 8."},
    {Technique::XYWing, "29.713.4.71..69.3263.5..9174263..8911796842538532917..5.21...893.79..1.59.1....7.", "4.2", 22, 2,
     "XY-Wing: row 8, column 8 takes the 2 or the 6, row 8, column 5 takes the 2 or the 4, row 9, column 9 takes "
     "the 6 or the 4; either way one of the last two is the 4, so the 4 is removed from row 9, column 4 and row 9, "
     "column 5."},
    {Technique::XYZWing, "29.71..4.71...9.3.63.5..91742.......17.68...385..917..5.2....8.3.7.....59.1....7.", "4.4", 5, 3,
     "XYZ-Wing: row 1, column 7 takes the 5, the 6 or the 8, row 1, column 3 takes the 5 or the 8, row 1, column 9 "
     "takes the 6 or the 8; one of the three is the 8, so the 8 is removed from row 1, column 6."},
    {Technique::UniqueRectangle, ".5.923817321857..99781645232.57493.1.395127.4147638295.....513251.2.6.7...2..1.5.", "4.5", 0, 4,
     "Unique rectangle: row 1, column 1; row 1, column 3; row 7, column 3 and row 7, column 1 must not be left with "
     "only the 4 and the 6, or these could swap and the puzzle would have two solutions; so the 4 is removed from "
     "row 7, column 1, and the 6 is removed from row 7, column 1."},
    {Technique::UniqueRectangle, "8...7.5..71.53....5.6.8..7.328751946941863725675492.1.469325...18394765225761...4", "4.5", 6, 1,
     "Unique rectangle: row 1, column 2; row 1, column 9; row 3, column 9 and row 3, column 2 must not be left with "
     "only the 3 and the 9, or these could swap and the puzzle would have two solutions; so one of them is the 1, "
     "and the 1 is removed from row 3, column 7 and row 7, column 9."},
    {Technique::UniqueRectangle, "8...7.5..71.53....5.6.8..7.328751946941863725675492.1.469325187183947652257618.94", "4.6", 0, 0,
     "Unique rectangle: row 1, column 2; row 1, column 9; row 3, column 9 and row 3, column 2 must not be left with "
     "only the 3 and the 9, or these could swap and the puzzle would have two solutions; so one of its cells in the "
     "top-right box takes another digit, and with row 2, column 8 that makes a naked subset of 1 and 6 there: the 6 "
     "is removed from row 1, column 8."},
    {Technique::UniqueRectangle, "147839...2534618..968...314..1..4..8....184..485..61.2....53.8153.18....81264.5..", "4.5", 5, 0,
     "Unique rectangle: row 2, column 8; row 2, column 9; row 9, column 9 and row 9, column 8 must not be left with "
     "only the 7 and the 9, or these could swap and the puzzle would have two solutions; in row 9, the 7 can only go"
     " in two of these cells, so neither takes the 9: the 7 is removed from row 9, column 9 and row 9, column 8."},
    {Technique::UniqueLoop, "83.5269.795.873.62672419583489.37.5612764539856398....348.5.6797953682..216794835", "4.7", 2, 1,
     "Unique loop: row 1, column 3; row 1, column 8; row 8, column 8; row 8, column 9; row 6, column 9; row 6, "
     "column 7; row 2, column 7 and row 2, column 3 must not be left with only the 1 and the 4, or these could swap "
     "and the puzzle would have two solutions; so the 1 is removed from row 6, column 7, and the 4 is removed from "
     "row 6, column 7."},
    {Technique::NakedQuad, "2..71..4.71...9...6..5..9.742.......17.68...3.5..91...5.2....8.3.7.....5..1....7.", "5.0", 20, 4,
     "Naked quad: row 3, column 2; row 3, column 3; row 3, column 5 and row 3, column 6 can only take 2, 3, 4 and "
     "8, so these digits go nowhere else in row 3: the 2 is removed from row 3, column 8, and the 3 is removed "
     "from row 3, column 8."},
    {Technique::Jellyfish, ".345....8.92..8345785.43.965.63.2.87823..4..19.78.6..3279.8..3446893...23514278.9", "5.2", 4, 6,
     "Jellyfish: in column 1, column 4, column 5 and column 7, the 6 can only go in row 1, row 2, row 5 and row 7, "
     "so the 6 is removed from row 5, column 8."},
    {Technique::HiddenQuad, Midgame, "5.4", 27, 0,
     "Hidden quad: in row 5, 1, 2, 4 and 5 fit only in row 5, column 1; row 5, column 6; row 5, column 7 and row "
     "5, column 8, so these cells take nothing else: the 9 is removed from row 5, column 1 and row 5, column 8."},
    {Technique::BivalueUniversalGrave, "...7.3964736594218..46.25378653791424178263593..4518766.324.791.7.16.423241937685", "5.6", 1, 2,
     "Bivalue universal grave: every empty cell but row 1, column 2 has two digits left, and without its 8 each "
     "digit would be left twice in every row, column and box: the puzzle would have two solutions; so row 1, column "
     "2 is the 8."},
    {Technique::BivalueUniversalGrave, ".5712.398.985..216.2.9.8457.452.9683.6984.52128.65.9745327..849976482135814395762", "5.7", 1, 0,
     "Bivalue universal grave: every empty cell but row 2, column 6 and row 3, column 1 has two digits left, and "
     "without their extra digits each digit would be left twice in every row, column and box: the puzzle would have "
     "two solutions; so one of them is the 3, and the 3 is removed from row 2, column 1 and row 3, column 5."},
    {Technique::BivalueUniversalGrave, ".95.6.821..6...534..45..967521.7.396439652178678931452153746289862...745947285613", "5.9", 1, 0,
     "Bivalue universal grave: every empty cell but row 1, column 6; row 2, column 5 and row 2, column 6 has two "
     "digits left, and without their extra digits each digit would be left twice in every row, column and box: the "
     "puzzle would have two solutions; so one of them takes an extra digit, and with row 2, column 4 and row 3, "
     "column 6 they make a naked subset of 1, 3 and 8 in the top-middle box: the 1 is removed from row 3, column 5, "
     "and the 3 is removed from row 1, column 4."},
    {Technique::BivalueUniversalGrave, "7.285..4.59412386718.74.52.2.5987.14.79415.82418362795.5.234.78827591436.4.67825.", "5.7", 0, 0,
     "Bivalue universal grave: every empty cell but row 1, column 7 and row 1, column 9 has two digits left, and "
     "without their extra digits each digit would be left twice in every row, column and box: the puzzle would have "
     "two solutions; so one of them takes its extra digit and the other the 1, which has no other place in row 1, "
     "and neither takes its last digit: the 3 is removed from row 1, column 9, and the 9 is removed from row 1, "
     "column 7."},
    {Technique::XCycle, "82346915797512.64.4617.5.2.1592.74.6632.147.5784.5621.21.57...4547.918.239..42571", "6.5", 12, 0,
     "X-cycle: if row 2, column 9 is not the 3, then row 2, column 6 is the 3, so row 3, column 5 is not the 3, so "
     "row 4, column 5 is the 3, so row 4, column 8 is not the 3, so row 6, column 9 is the 3, so row 2, column 9 is "
     "not the 3 again: the loop holds either way round, so one candidate of each weak link holds, and the 3 is "
     "removed from row 3, column 9."},
    {Technique::XYCycle, "7.12396.4.4.68721..2.451.7...2314..713.5784.2478962531217846......123746364795128", "6.8", 1, 5,
     "XY-cycle: if row 1, column 2 is not the 5, then row 1, column 2 is the 8, so row 1, column 8 is not the 8, so "
     "row 1, column 8 is the 5, so row 7, column 8 is not the 5, so row 7, column 8 is the 9, so row 5, column 8 is "
     "not the 9, so row 5, column 8 is the 6, so row 5, column 3 is not the 6, so row 5, column 3 is the 9, so row "
     "4, column 2 is not the 9, so row 4, column 2 is the 5, so row 1, column 2 is not the 5 again: the loop holds "
     "either way round, so one candidate of each weak link holds, and the 5 is removed from row 8, column 2, and the"
     " 9 is removed from row 4, column 8 and row 4, column 1."},
    {Technique::XChain, ".19728.64...69.8..68.35.9..143962.8.9254876..7685134922.6149.5885.2361.9.918752.6", "6.6", 16, 3,
     "X-chain: if row 1, column 7 is not the 3, then row 7, column 7 is the 3, so row 7, column 2 is not the 3, "
     "so row 2, column 2 is the 3; either way row 1, column 1 is not the 3."},
    {Technique::XYChain, "354872169.7..5.3241.23..785..37...51.1.5...76527916843285...497741295638936487512", "7.2", 10, 9,
     "XY-chain: if row 3, column 5 is not the 6, then row 3, column 5 is the 4, so row 4, column 5 is not the 4, "
     "so row 4, column 5 is the 2, so row 4, column 7 is not the 2, so row 4, column 7 is the 9, so row 4, column 2 "
     "is not the 9, so row 4, column 2 is the 6; either way row 3, column 2 is not the 6."},
    {Technique::AlternatingCycle, ".837645.167.58.4.354.2.37867.8..6354164..527.3.547.16..57.4.6.2.16..79.5.3.65.8.7", "7.1", 13, 0,
     "Alternating cycle: if row 5, column 4 is not the 3, then row 5, column 5 is the 3, so row 8, column 5 is not "
     "the 3, so row 8, column 5 is the 2, so row 4, column 5 is not the 2, so row 6, column 6 is the 2, so row 6, "
     "column 6 is not the 8, so row 5, column 4 is the 8, so row 5, column 4 is not the 3 again: the loop holds "
     "either way round, so one candidate of each weak link holds, and the 9 is removed from row 6, column 6 and row "
     "5, column 4."},
    {Technique::AlternatingChain, ".5439...2..2568.4..38.24..5529836417.4.95.2...6.4.2.5949.285...286..35943.5649.2.", "7.1", 19, 0,
     "Alternating chain: if row 1, column 1 is not the 6, then row 3, column 1 is the 6, so row 3, column 8 is "
     "not the 6, so row 3, column 8 is the 7, so row 3, column 4 is not the 7, so row 1, column 6 is the 7; either "
     "way row 1, column 1 is not the 7."},

};

}  // namespace

TEST(StepTechniques, EachFindsItsStepAndNoneOnItsNearMiss)
{
    for (const TechniqueCase& test : TechniqueCases) {
        SCOPED_TRACE(std::string(TechniqueName(test.technique)));
        const std::optional<Step> step = FindTechnique(CandidateGrid(ParsePuzzleLine(test.board)), test.technique);
        ASSERT_TRUE(step.has_value());
        EXPECT_EQ(FormatDifficulty(step->difficulty), test.difficulty);
        EXPECT_EQ(DescribeStep(*step, CellNaming::GridRows), test.step);
        Grid81 nearMiss = ParsePuzzleLine(test.board);
        nearMiss[test.missCell] = test.missDigit;
        EXPECT_FALSE(FindTechnique(CandidateGrid(nearMiss), test.technique).has_value());
    }
}

// A chain's difficulty grows by 0.1 each time its size passes 4, 6, 8, 12, 16, 24, 32, ...
TEST(StepTechniques, ChainsGetHarderWithSize)
{
    const std::pair<int, int> cases[] = {{4, 0}, {5, 1}, {6, 1}, {7, 2}, {8, 2}, {9, 3}, {12, 3}, {13, 4},
                                         {16, 4}, {17, 5}, {24, 5}, {25, 6}, {32, 6}, {33, 7}, {48, 7}, {49, 8}};
    for (const auto& [size, added] : cases)
        EXPECT_EQ(SizedDifficulty(66, size), 66 + added) << size;
}

// Where the easiest step, a hidden single in a box, hides behind harder ones, the solver still takes it.
TEST(StepTechniques, TheSolverTakesTheEasiestStep)
{
    EXPECT_EQ(FindEasiestStep(CandidateGrid(ParsePuzzleLine(Midgame)), true)->technique, Technique::HiddenSingleInBox);
}
