// Steps in a player's words, with cells and units named as the player sees them.
#include "StepText.h"

#include "StepWords.h"
#include "TechniqueTable.h"
#include "TechniqueTexts.h"

namespace {

std::string CellOf(const Step& step, size_t i, CellNaming naming) { return CellName(step.cells[i], naming); }
std::string UnitOf(const Step& step, size_t i, CellNaming naming) { return UnitName(step.units[i], naming); }

// The pattern of pointing, claiming or a hidden subset, without what it removes.
std::string IntersectionPattern(const Step& step, CellNaming naming)
{
    return "in " + UnitOf(step, 0, naming) + ", " + The(step.digits[0]) + " can only go where it meets "
         + UnitOf(step, 1, naming);
}

std::string HiddenSubsetPattern(const Step& step, size_t count, CellNaming naming)
{
    const std::vector<int> cells(step.cells.begin(), step.cells.begin() + std::ptrdiff_t(count));
    const std::vector<int> digits(step.digits.begin(), step.digits.begin() + std::ptrdiff_t(count));
    return "in " + UnitOf(step, 0, naming) + ", " + DigitList(digits) + " fit only in " + CellList(cells, naming)
         + ", so these cells take nothing else";
}

}  // namespace

std::string FullHouseText(const Step& step, CellNaming naming)
{
    return CellOf(step, 0, naming) + " is the last empty cell in " + UnitOf(step, 0, naming) + ", so it takes "
         + The(step.digits[0]) + ".";
}

std::string HiddenSingleText(const Step& step, CellNaming naming)
{
    return "in " + UnitOf(step, 0, naming) + ", " + The(step.digits[0]) + " fits only in " + CellOf(step, 0, naming) + ".";
}

std::string NakedSingleText(const Step& step, CellNaming naming)
{
    return CellOf(step, 0, naming) + " can only take " + The(step.digits[0]) + ".";
}

std::string IntersectionText(const Step& step, CellNaming naming)
{
    return IntersectionPattern(step, naming) + ", so " + Removals(step.eliminations, naming) + ".";
}

std::string NakedSubsetText(const Step& step, CellNaming naming)
{
    return CellList(step.cells, naming) + " can only take " + DigitList(step.digits)
         + ", so these digits go nowhere else in " + UnitOf(step, 0, naming) + ": " + Removals(step.eliminations, naming) + ".";
}

std::string HiddenSubsetText(const Step& step, CellNaming naming)
{
    return HiddenSubsetPattern(step, step.cells.size(), naming) + ": " + Removals(step.eliminations, naming) + ".";
}

std::string DirectText(const Step& step, CellNaming naming)
{
    // The placed cell, its digit and its unit come last in each list.
    const bool intersection = step.technique == Technique::DirectPointing || step.technique == Technique::DirectClaiming;
    const std::string pattern = intersection ? IntersectionPattern(step, naming) + ", so it goes nowhere else in "
                                                   + UnitOf(step, 1, naming)
                                             : HiddenSubsetPattern(step, step.digits.size() - 1, naming);
    return pattern + "; that leaves " + CellName(step.cells.back(), naming) + " as the only place for "
         + The(step.digits.back()) + " in " + UnitName(step.units.back(), naming) + ".";
}

std::string FishText(const Step& step, CellNaming naming)
{
    const auto middle = step.units.begin() + std::ptrdiff_t(step.units.size() / 2);
    return "in " + UnitList(step.units.begin(), middle, naming) + ", " + The(step.digits[0]) + " can only go in "
         + UnitList(middle, step.units.end(), naming) + ", so " + Removals(step.eliminations, naming) + ".";
}

std::string XYWingText(const Step& step, CellNaming naming)
{
    const auto& d = step.digits;
    return CellOf(step, 0, naming) + " takes " + The(d[0]) + " or " + The(d[1]) + ", " + CellOf(step, 1, naming)
         + " takes " + The(d[0]) + " or " + The(d[2]) + ", " + CellOf(step, 2, naming) + " takes " + The(d[1]) + " or "
         + The(d[2]) + "; either way one of the last two is " + The(d[2]) + ", so " + Removals(step.eliminations, naming)
         + ".";
}

std::string XYZWingText(const Step& step, CellNaming naming)
{
    const auto& d = step.digits;
    return CellOf(step, 0, naming) + " takes " + The(d[0]) + ", " + The(d[1]) + " or " + The(d[2]) + ", "
         + CellOf(step, 1, naming) + " takes " + The(d[0]) + " or " + The(d[2]) + ", " + CellOf(step, 2, naming)
         + " takes " + The(d[1]) + " or " + The(d[2]) + "; one of the three is " + The(d[2]) + ", so "
         + Removals(step.eliminations, naming) + ".";
}

std::string DescribeStep(const Step& step, CellNaming naming)
{
    const TechniqueInfo& info = InfoOf(step.technique);
    return Capitalised(info.name) + ": " + info.describe(step, naming);
}

std::string ExclusionText(const Step& step, CellNaming naming)
{
    return "of the ways to fill " + CellList(step.cells, naming) + ", those that would leave one of "
         + CellList(step.otherCells, naming) + " without a digit, or repeat a digit where they see each other, are "
         + "ruled out, and none left gives them what is removed: " + Removals(step.eliminations, naming) + ".";
}
