// Steps in a player's words, with cells and units named as the player sees them.
#include "StepText.h"

#include "GridUnits.h"

#include <map>
#include <string_view>

namespace {

// The screen's row and column of a grid cell, from 0.
struct Place {
    int row = 0;
    int column = 0;
};

Place PlaceOf(int cell, CellNaming naming)
{
    if (naming == CellNaming::RowsShownAsColumns)
        return {cell % 9, cell / 9};
    return {cell / 9, cell % 9};
}

// "a", "a and b", "a, b and c"; `separator` between the others.
std::string JoinList(const std::vector<std::string>& items, std::string_view separator = ", ")
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : std::string(separator);
        text += items[i];
    }
    return text;
}

// Cell names contain a comma, so lists of them are separated by semicolons.
std::string CellList(const std::vector<int>& cells, CellNaming naming)
{
    std::vector<std::string> names;
    for (const int cell : cells)
        names.push_back(CellName(cell, naming));
    return JoinList(names, "; ");
}

std::string DigitList(const std::vector<int>& digits)
{
    std::vector<std::string> names;
    for (const int digit : digits)
        names.push_back(std::to_string(digit));
    return JoinList(names);
}

std::string UnitList(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last, CellNaming naming)
{
    std::vector<std::string> names;
    for (auto unit = first; unit != last; ++unit)
        names.push_back(UnitName(*unit, naming));
    return JoinList(names);
}

std::string The(int digit) { return "the " + std::to_string(digit); }

// "the 4 is removed from row 1, column 2; row 1, column 3", digit by digit.
std::string Removals(const std::vector<CellDigit>& eliminations, CellNaming naming)
{
    std::map<int, std::vector<int>> cellsByDigit;
    for (const CellDigit& elimination : eliminations)
        cellsByDigit[elimination.digit].push_back(elimination.cell);
    std::vector<std::string> parts;
    for (const auto& [digit, cells] : cellsByDigit)
        parts.push_back(The(digit) + " is removed from " + CellList(cells, naming));
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i > 0 ? ", and " : "") + parts[i];
    return text;
}

std::string Capitalised(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = char(result[0] - 'a' + 'A');
    return result;
}

std::string DescribeChain(const Step& step, CellNaming naming)
{
    const std::vector<int>& cells = step.cells;
    const int digit = step.digits.front();
    std::string text = "if " + CellName(cells.front(), naming) + " is not " + The(digit);
    if (step.technique == Technique::XChain) {
        for (size_t i = 1; i < cells.size(); ++i)
            text += (i == 1 ? ", then " : ", so ") + CellName(cells[i], naming) + (i % 2 == 1 ? " is" : " is not");
    } else {
        text += ", it is " + The(step.digits[1]);
        for (size_t i = 1; i < cells.size(); ++i) {
            const int holds = i + 1 < cells.size() ? step.digits[i + 1] : digit;
            text += ", so " + CellName(cells[i], naming) + " is " + The(holds);
        }
    }
    return text + "; one of the two ends is " + The(digit) + ", so " + Removals(step.eliminations, naming) + ".";
}

}  // namespace

std::string CellName(int cell, CellNaming naming)
{
    const Place place = PlaceOf(cell, naming);
    return "row " + std::to_string(place.row + 1) + ", column " + std::to_string(place.column + 1);
}

std::string UnitName(int unit, CellNaming naming)
{
    if (KindOfUnit(unit) == UnitKind::Box) {
        static constexpr std::string_view Names[3][3] = {
            {"top-left", "top-middle", "top-right"},
            {"middle-left", "centre", "middle-right"},
            {"bottom-left", "bottom-middle", "bottom-right"},
        };
        const Place place = PlaceOf(UnitCells(unit)[0], naming);
        return "the " + std::string(Names[place.row / 3][place.column / 3]) + " box";
    }
    const Place place = PlaceOf(UnitCells(unit)[8], naming);
    // The unit's cells share a screen row when the first and last lie in the same one.
    const bool screenRow = PlaceOf(UnitCells(unit)[0], naming).row == place.row;
    return screenRow ? "row " + std::to_string(place.row + 1) : "column " + std::to_string(place.column + 1);
}

std::string DescribeStep(const Step& step, CellNaming naming)
{
    const std::string name = Capitalised(TechniqueName(step.technique)) + ": ";
    const auto cell = [&](size_t i) { return CellName(step.cells[i], naming); };
    const auto unit = [&](size_t i) { return UnitName(step.units[i], naming); };
    const std::string removals = Removals(step.eliminations, naming);
    switch (step.technique) {
    case Technique::FullHouse:
        return name + cell(0) + " is the last empty cell in " + unit(0) + ", so it takes " + The(step.digits[0]) + ".";
    case Technique::HiddenSingleInBox:
    case Technique::HiddenSingleInLine:
        return name + "in " + unit(0) + ", " + The(step.digits[0]) + " fits only in " + cell(0) + ".";
    case Technique::NakedSingle:
        return name + cell(0) + " can only take " + The(step.digits[0]) + ".";
    case Technique::Pointing:
    case Technique::Claiming:
        return name + "in " + unit(0) + ", " + The(step.digits[0]) + " can only go where it meets " + unit(1)
             + ", so " + removals + ".";
    case Technique::NakedPair:
    case Technique::NakedTriple:
    case Technique::NakedQuad:
        return name + CellList(step.cells, naming) + " can only take " + DigitList(step.digits)
             + ", so these digits go nowhere else in " + unit(0) + ": " + removals + ".";
    case Technique::HiddenPair:
    case Technique::HiddenTriple:
    case Technique::HiddenQuad:
        return name + "in " + unit(0) + ", " + DigitList(step.digits) + " fit only in " + CellList(step.cells, naming)
             + ", so these cells take nothing else: " + removals + ".";
    case Technique::XWing:
    case Technique::Swordfish:
    case Technique::Jellyfish: {
        const auto middle = step.units.begin() + std::ptrdiff_t(step.units.size() / 2);
        return name + "in " + UnitList(step.units.begin(), middle, naming) + ", " + The(step.digits[0])
             + " can only go in " + UnitList(middle, step.units.end(), naming) + ", so " + removals + ".";
    }
    case Technique::XYWing:
        return name + cell(0) + " takes " + The(step.digits[0]) + " or " + The(step.digits[1]) + ", " + cell(1)
             + " takes " + The(step.digits[0]) + " or " + The(step.digits[2]) + ", " + cell(2) + " takes "
             + The(step.digits[1]) + " or " + The(step.digits[2]) + "; either way one of the last two is "
             + The(step.digits[2]) + ", so " + removals + ".";
    case Technique::XYZWing:
        return name + cell(0) + " takes " + The(step.digits[0]) + ", " + The(step.digits[1]) + " or " + The(step.digits[2]) + ", "
             + cell(1) + " takes " + The(step.digits[0]) + " or " + The(step.digits[2]) + ", " + cell(2)
             + " takes " + The(step.digits[1]) + " or " + The(step.digits[2]) + "; one of the three is "
             + The(step.digits[2]) + ", so " + removals + ".";
    case Technique::XChain:
    case Technique::XYChain:
        return name + DescribeChain(step, naming);
    }
    return name;
}
