// The game's rules on the game itself: new games, digits and hints, Done, Get Result, marks, undo,
// the puzzle entry and the saved-game record, with the change notices each verb gives.
#include "GameStrings.h"
#include "RandomFill.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

class GameTest : public testing::Test {
protected:
    GameTest() { m_game.Subscribe([this] { ++m_changes; }); }

    void Deal(std::string_view puzzle, int level) { m_game.Deal({ParsePuzzleLine(kSolvedGrid), ParsePuzzleLine(puzzle)}, level); }
    // The change notices that `verb` gives.
    int Changes(const std::function<void()>& verb)
    {
        const int before = m_changes;
        verb();
        return m_changes - before;
    }
    std::string CrossedOut(int cell)
    {
        std::string digits;
        for (int digit = 1; digit <= 9; ++digit)
            digits += m_game.Marks().IsCrossedOut(cell, digit) ? std::string(1, char('0' + digit)) : "";
        return digits;
    }

    Game m_game;
    int m_changes = 0;
};

// Each new game comes with one notice and nothing to undo or redo; a deal sets level and hints, New Game
// and an entry keep both, Load takes the saved hints and keeps the level.
TEST_F(GameTest, EveryNewGameTakesTheOldOnesPlaceWithNothingToUndo)
{
    StdRandomGenerator random, same;
    const std::string givens = With(kSolvedGrid, 0, '.'), saved = With(kTwoSolutions, 5, '9');
    const std::string sparse = StringOf(BuildRandomGrid(same));
    const struct { const char* name; std::function<void()> start; std::string shown, puzzle, solution; int hints, level; } cases[] = {
        {"deal", [&] { m_game.Deal({ParsePuzzleLine(kSolvedGrid), ParsePuzzleLine(givens)}, 2); }, givens, givens, kSolvedGrid, 0, 2},
        {"New Game", [&] { m_game.FillRandomGrid(random); }, sparse, sparse, sparse, 1, 4},
        {"load", [&] { m_game.Load(SavedGameOf(saved, kTwoSolutions, kSolvedGrid, 2)); }, saved, kTwoSolutions, kSolvedGrid, 2, 4},
        {"entry", [&] { m_game.BeginEntry(); }, kNoDigits, kNoDigits, kNoDigits, 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(kTwoSolutions, 4);
        m_game.EnterDigit(5, 7);
        m_game.ToggleMark(7, 3);
        m_game.Hint(10);
        m_game.Undo();
        const int serial = m_game.Serial();
        EXPECT_EQ(Changes(c.start), 1);
        EXPECT_EQ(Entries(m_game), c.shown + "|");
        EXPECT_EQ(StringOf(m_game.Puzzle()) + StringOf(m_game.Solution()), c.puzzle + c.solution);
        EXPECT_EQ(Shown(m_game, true), c.puzzle);
        EXPECT_EQ(std::pair(m_game.HintsUsed(), m_game.Level()), std::pair(c.hints, c.level));
        EXPECT_EQ(m_game.IsEnteringPuzzle(), std::string_view(c.name) == "entry");
        EXPECT_FALSE(m_game.CanUndo() || m_game.CanRedo());
        EXPECT_NE(m_game.Serial(), serial);
    }
}

// Three hints a game, even over a right digit; none on a given or where the solution has no digit (cell 5).
// A given never changes; a verb that changes nothing gives no notice.
TEST_F(GameTest, DigitsGoIntoOpenCellsAndThreeHintsRevealTheSolution)
{
    m_game.Load(SavedGameOf(kTwoSolutions, kTwoSolutions, With(kSolvedGrid, 5, '.')));
    const struct { const char* name; std::function<bool()> verb; bool done; int cell; char shows; int hints; } steps[] = {
        {"digit on a given", [&] { m_game.EnterDigit(0, 5); return false; }, false, 0, '4', 0},
        {"hint on a given", [&] { return m_game.Hint(1); }, false, 1, '3', 0},
        {"hint without a digit", [&] { return m_game.Hint(5); }, false, 5, '.', 0},
        {"wrong digit", [&] { m_game.EnterDigit(7, 9); return true; }, true, 7, '9', 0},
        {"hint over it", [&] { return m_game.Hint(7); }, true, 7, '1', 1},
        {"right digit", [&] { m_game.EnterDigit(10, 2); return true; }, true, 10, '2', 1},
        {"hint over the right digit", [&] { return m_game.Hint(10); }, true, 10, '2', 2},
        {"third hint", [&] { return m_game.Hint(11); }, true, 11, '1', 3},
        {"fourth hint", [&] { return m_game.Hint(23); }, false, 23, '.', 3},
        {"0 clears", [&] { m_game.EnterDigit(11, 0); return true; }, true, 11, '.', 3},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        std::string expected = Shown(m_game);
        expected[step.cell] = step.shows;
        bool done = false;
        EXPECT_EQ(Changes([&] { done = step.verb(); }), step.done ? 1 : 0);
        EXPECT_EQ(done, step.done);
        EXPECT_EQ(Shown(m_game), expected);
        EXPECT_EQ(m_game.HintsUsed(), step.hints);
    }
    EXPECT_EQ(Shown(m_game, true), kTwoSolutions) << "typed and hinted digits are no givens";
}

// A full board that keeps the givens and the rules is right even where it differs from the solution;
// any other board is walked against the solution, and its first empty or wrong cell decides.
TEST_F(GameTest, DoneJudgesTheCellsAgainstTheGivensAndTheSolution)
{
    const std::string alternative =  // the 1s and 2s exchanged: another grid that obeys the rules
        "437891625812536749956472813541269387369748251278315964684953172195627438723184596";
    using enum DoneVerdict;
    const struct { const char* name; std::string shown, puzzle; DoneVerdict verdict; } cases[] = {
        {"the solution", kSolvedGrid, kTwoSolutions, Correct},
        {"empty before wrong", With(With(kSolvedGrid, 3, '.'), 10, '5'), kTwoSolutions, Incomplete},
        {"wrong before empty", With(With(kSolvedGrid, 3, '5'), 10, '.'), kTwoSolutions, Wrong},
        {"valid alternative", alternative, kTwoSolutions, Correct},
        {"valid alternative changing a given", alternative, kSolvedGrid, Wrong},
        {"full, givens kept, rules broken", With(kSolvedGrid, 7, '2'), kTwoSolutions, Wrong},  // the row's second 2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_game.Load(SavedGameOf(c.shown, c.puzzle, kSolvedGrid));
        EXPECT_EQ(m_game.Judge(), c.verdict);
    }
}

// The first of kTwoSolutions's solutions in the solver's order that has a 1 in cell 5: the 1s and 2s of cells
// 5, 7, 23 and 25, of 10, 11, 29, 30, 63, 67, 73 and 75 and of 42, 44, 60 and 62 can each change places.
const std::string kWithOneInCellFive =
    "437891625812536749956472813541269387369748152278315964684953271195627438723184596";
using Typing = std::vector<std::pair<int, int>>;  // cell and digit, in the order typed; digit -1 undoes

// The game goes by the solution that the player's digits keep, and the dealt one when they keep none.
TEST_F(GameTest, SpaceDoneGetResultAndHelpFollowTheCompletionThePlayersDigitsKeep)
{
    using enum HelpKind;
    using enum DoneVerdict;
    const struct { const char* name; Typing typed; int space; char revealed; DoneVerdict done; std::string result; HelpKind help; int cell; std::vector<int> choice; } cases[] = {
        {"stalled with two choices", {}, 7, '1', Incomplete, kSolvedGrid, SeveralSolutions, 5, {1, 2}},
        {"the player's 1 parts ways with the dealt 2", {{5, 1}}, 7, '2', Incomplete, kWithOneInCellFive, NextDigit, 7, {}},
        // digits of different solutions: none is left, so Space goes by the board without its cell
        {"without any completion", {{5, 1}, {25, 2}}, 25, '1', Wrong, kSolvedGrid, WrongDigit, 25, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(kTwoSolutions, 4);
        for (const auto& [cell, digit] : c.typed)
            m_game.EnterDigit(cell, digit);
        EXPECT_EQ(m_game.Judge(), c.done);
        const HelpAdvice help = AdviseHelp(m_game.QuestionForHelp());
        EXPECT_EQ(std::tuple(help.kind, help.cell, help.digits), std::tuple(c.help, c.cell, c.choice));
        Game spaced = m_game;
        EXPECT_TRUE(spaced.Hint(c.space));
        EXPECT_EQ(Shown(spaced)[c.space], c.revealed);
        EXPECT_TRUE(m_game.RevealResult());
        EXPECT_EQ(Shown(m_game) + Shown(m_game, true), c.result + kTwoSolutions);
        EXPECT_EQ(StringOf(m_game.ToSavedGame().m_solution), kSolvedGrid) << "the file keeps the dealt solution";
    }
}

// The help blames the latest slip: of digits that repeat, the one typed last and never a given; of those the
// board cannot keep, the one typed last. Digits from a file are older than what is typed after, in board order.
TEST_F(GameTest, HelpBlamesTheDigitTypedLast)
{
    using enum HelpKind;
    const struct { const char* name; std::string loaded; Typing typed; HelpKind kind; int cell; } cases[] = {
        {"two typed 1s in a row", kTwoSolutions, {{7, 1}, {5, 1}}, RepeatedDigit, 5},
        {"the same typed the other way", kTwoSolutions, {{5, 1}, {7, 1}}, RepeatedDigit, 7},
        {"a typed 6 beside a given 6", kTwoSolutions, {{5, 6}, {7, 2}}, RepeatedDigit, 5},
        {"digits of different solutions", kTwoSolutions, {{25, 2}, {5, 1}}, WrongDigit, 5},
        {"both from a file", With(With(kTwoSolutions, 5, '1'), 25, '2'), {}, WrongDigit, 25},
        {"from a file, then typed", With(kTwoSolutions, 25, '2'), {{5, 1}}, WrongDigit, 5},
        {"typed again", kTwoSolutions, {{5, 1}, {25, 2}, {5, 0}, {5, 1}}, WrongDigit, 5},
        {"changed and undone", kTwoSolutions, {{5, 1}, {25, 2}, {5, 3}, {0, -1}}, WrongDigit, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_game.Load(SavedGameOf(c.loaded, kTwoSolutions, kSolvedGrid));
        for (const auto& [cell, digit] : c.typed)
            digit < 0 ? void(m_game.Undo()) : m_game.EnterDigit(cell, digit);
        const HelpAdvice help = AdviseHelp(m_game.QuestionForHelp());
        EXPECT_EQ(std::pair(help.kind, help.cell), std::pair(c.kind, c.cell));
    }
}

// The level is the last Quick Game's, so New Game and Load keep Hell's refusal; an entry has no result.
// Below Hell, Get Result shows the solution over every cell: the completion test above, dealt at Hard.
TEST_F(GameTest, GetResultShowsNothingAtHellOrDuringAnEntry)
{
    StdRandomGenerator random;
    Deal(kTwoSolutions, 5);
    for (const auto& replace : std::initializer_list<std::function<void()>>{
             [] {}, [&] { m_game.FillRandomGrid(random); }, [&] { m_game.Load(SavedGameOf(kTwoSolutions, kTwoSolutions, kSolvedGrid)); },
             [&] { Deal(kTwoSolutions, 4); m_game.BeginEntry(); }}) {
        replace();
        const Game before = m_game;
        EXPECT_EQ(Changes([&] { EXPECT_FALSE(m_game.RevealResult()); }), 0);
        EXPECT_EQ(m_game, before);
    }
}

// Undo and redo walk every kind of step exactly, one notice each; a hint stays spent, and a new step
// after undoing drops the steps that could have been redone.
TEST_F(GameTest, UndoAndRedoWalkEveryKindOfStepExactly)
{
    Deal(kTwoSolutions, 1);
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"wrong digit", [&] { m_game.EnterDigit(5, 9); }},
        {"mark", [&] { m_game.ToggleMark(7, 4); }},
        {"second mark", [&] { m_game.ToggleMark(7, 9); }},
        {"hint over the wrong digit", [&] { m_game.Hint(5); }},
        {"digit on a given: no step", [&] { m_game.EnterDigit(0, 5); }},
        {"keep only possible", [&] { m_game.KeepOnlyPossibleMarks(); }},
        {"right digit", [&] { m_game.EnterDigit(10, 2); }},
        {"the solver's answer", [&] { m_game.Complete(ParsePuzzleLine(kSolvedGrid)); }},
        {"Get Result on the solved board: no step", [&] { m_game.RevealResult(); }},
        {"0 clears", [&] { m_game.EnterDigit(7, 0); }},
        {"show all marks", [&] { m_game.ShowAllMarks(); }},
    };
    std::vector<std::string> history{Entries(m_game)};
    for (const auto& [name, act] : steps) {
        SCOPED_TRACE(name);
        act();
        EXPECT_EQ(Entries(m_game) != history.back(), std::string_view(name).find("no step") == std::string_view::npos);
        if (Entries(m_game) != history.back())
            history.push_back(Entries(m_game));
    }
    for (size_t n = history.size() - 1; n > 0; --n) {
        EXPECT_EQ(Changes([&] { EXPECT_TRUE(m_game.Undo()); }), 1);
        EXPECT_EQ(Entries(m_game), history[n - 1]) << "undo to " << n - 1;
    }
    EXPECT_EQ(Changes([&] { EXPECT_FALSE(m_game.Undo()); }), 0);
    EXPECT_EQ(m_game.HintsUsed(), 1);
    for (size_t n = 1; n < history.size(); ++n) {
        EXPECT_TRUE(m_game.Redo());
        EXPECT_EQ(Entries(m_game), history[n]) << "redo to " << n;
    }
    EXPECT_FALSE(m_game.Redo());

    m_game.Undo();
    m_game.Undo();
    m_game.EnterDigit(7, 0);
    EXPECT_FALSE(m_game.CanRedo());
    m_game.Undo();
    m_game.Undo();
    EXPECT_EQ(Entries(m_game), history[history.size() - 4]) << "the two undone steps are gone";
}

// Marks only in open empty cells. Grid81 rows are board columns: cell 0's row holds cell 3, its column
// cell 27, its box cell 20; cell 8 is an empty given, so left alone.
TEST_F(GameTest, KeepOnlyPossibleCrossesOutWhatOpenEmptyCellsSee)
{
    const std::string puzzle = With(With(kNoDigits, 27, '7'), 8, '1');
    m_game.Load(SavedGameOf(With(kNoDigits, 27, '7'), puzzle, kSolvedGrid));
    m_game.ToggleMark(0, 1);  // crossed out before: stays so
    m_game.ToggleMark(3, 6);  // hidden under a digit: kept
    for (const auto& [cell, digit] : {std::pair{3, 5}, {20, 2}, {80, 9}})
        m_game.EnterDigit(cell, digit);
    for (const auto& [cell, digit] : {std::pair{27, 1}, {3, 2}, {8, 4}}) {  // a given, a digit, an empty given
        const Game before = m_game;
        EXPECT_EQ(Changes([&] { m_game.ToggleMark(cell, digit); }), 0) << cell;
        EXPECT_EQ(m_game, before);
    }

    m_game.KeepOnlyPossibleMarks();
    for (const auto& [cell, crossedOut] : {std::pair{0, "1257"}, {1, "25"}, {30, "57"}, {72, "79"}, {79, "9"},
                                           {44, "9"}, {40, ""}, {8, ""}, {3, "6"}, {80, ""}})
        EXPECT_EQ(CrossedOut(cell), crossedOut) << "cell " << cell;
    m_game.ShowAllMarks();
    EXPECT_FALSE(m_game.Marks().AnyCrossedOut());
}

// The entered digits become givens and the solution one step over them, even when more was typed during the
// solve; the entry's own steps are gone. The level stays.
TEST_F(GameTest, FinishedEntryIsAGameWithTheEnteredDigitsAsGivens)
{
    Deal(kTwoSolutions, 3);
    m_game.Hint(5);
    m_game.BeginEntry();
    const std::string entered = kTwoSolutions;
    for (int i = 0; i < 81; ++i)
        m_game.EnterDigit(i, entered[i] == '.' ? 0 : entered[i] - '0');
    m_game.EnterDigit(5, 2);  // typed while the solver ran
    EXPECT_EQ(Changes([&] { m_game.FinishEntry(ParsePuzzleLine(entered), ParsePuzzleLine(kSolvedGrid)); }), 1);
    EXPECT_EQ(Shown(m_game) + Shown(m_game, true) + StringOf(m_game.Solution()), kSolvedGrid + entered + kSolvedGrid);
    EXPECT_FALSE(m_game.IsEnteringPuzzle());
    EXPECT_EQ(std::pair(m_game.Level(), m_game.HintsUsed()), std::pair(3, 0)) << "a new game, with its three hints";
    EXPECT_TRUE(m_game.Undo());
    EXPECT_EQ(Shown(m_game), entered);
    EXPECT_FALSE(m_game.Undo());
}

// The record holds what the cells show (empty as ""), the puzzle, the solution, the hints and the marks,
// and loading it gives it back; a puzzle saved while being entered comes back as an entry, its digits editable.
TEST_F(GameTest, SavedGameHoldsTheCellsTheGameAndTheMarks)
{
    SavedGame saved = SavedGameOf(With(kTwoSolutions, 5, '7'), kTwoSolutions, kSolvedGrid, 2);
    saved.m_crossedOut[7] = 0b100000001;
    m_game.Load(saved);
    EXPECT_EQ(m_game.ToSavedGame(), saved);
    m_game.ToggleMark(7, 1);
    saved.m_crossedOut[7] = 0b100000000;
    EXPECT_EQ(m_game.ToSavedGame(), saved);

    m_game.BeginEntry();
    m_game.EnterDigit(3, 8);
    saved = m_game.ToSavedGame();
    EXPECT_TRUE(saved.m_enteringGame);
    Deal(kTwoSolutions, 2);
    m_game.Load(saved);
    EXPECT_TRUE(m_game.IsEnteringPuzzle());
    m_game.EnterDigit(3, 5);
    EXPECT_EQ(m_game.Digits()[3], 5);
}

}  // namespace
