// What unique rectangles, unique loops and the bivalue universal grave say: the second solution they avoid.
#include "StepWords.h"
#include "TechniqueTexts.h"

std::string UniqueLoopText(const Step& step, CellNaming naming)
{
    const std::string loop = CellList(step.cells, naming) + " must not be left with only " + The(step.digits[0])
                           + " and " + The(step.digits[1]) + ", or these could swap and the puzzle would have two solutions";
    const std::string removals = Removals(step.eliminations, naming);
    if (!step.otherCells.empty()) {
        const std::vector<int> subset(step.digits.begin() + 2, step.digits.end());
        return loop + "; so one of its cells in " + UnitName(step.units[0], naming) + " takes another digit, and with "
             + CellList(step.otherCells, naming) + " that makes a naked subset of " + DigitList(subset) + " there: "
             + removals + ".";
    }
    if (!step.units.empty())
        return loop + "; in " + UnitName(step.units[0], naming) + ", " + The(step.digits[0])
             + " can only go in two of these cells, so neither takes " + The(step.digits[1]) + ": " + removals + ".";
    if (step.digits.size() == 3)
        return loop + "; so one of them is " + The(step.digits[2]) + ", and " + removals + ".";
    return loop + "; so " + removals + ".";
}

std::string BivalueGraveText(const Step& step, CellNaming naming)
{
    const bool one = step.cells.size() == 1;
    const std::string cells = CellList(step.cells, naming);
    const std::string grave = "every empty cell but " + cells + " has two digits left, and without "
                            + (one ? "its " + std::to_string(step.digits[0]) : std::string("their extra digits"))
                            + " each digit would be left twice in every row, column and box: the puzzle would have "
                              "two solutions";
    const std::string removals = Removals(step.eliminations, naming);
    if (!step.placements.empty())
        return grave + "; so " + Result(step, naming) + ".";
    if (!step.otherCells.empty())
        return grave + "; so one of them takes an extra digit, and with " + CellList(step.otherCells, naming)
             + " they make a naked subset of " + DigitList(step.digits) + " in " + UnitName(step.units[0], naming) + ": "
             + removals + ".";
    if (!step.units.empty())
        return grave + "; so one of them takes its extra digit and the other " + The(step.digits[0]) + ", which has no "
             + "other place in " + UnitName(step.units[0], naming) + ", and neither takes its last digit: " + removals + ".";
    return grave + "; so one of them is " + The(step.digits[0]) + ", and " + removals + ".";
}
