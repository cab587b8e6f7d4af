// The words that step texts are built from: names of cells, units, digits and removals.
#include "StepWords.h"

#include "GridUnits.h"

#include <map>

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

std::string JoinList(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : std::string(separator);
        text += items[i];
    }
    return text;
}

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

std::string Removals(const std::vector<CellDigit>& eliminations, CellNaming naming)
{
    std::map<int, std::vector<int>> cellsByDigit;
    for (const CellDigit& elimination : eliminations)
        cellsByDigit[elimination.digit].push_back(elimination.cell);
    std::string text;
    for (const auto& [digit, cells] : cellsByDigit)
        text += (text.empty() ? "" : ", and ") + The(digit) + " is removed from " + CellList(cells, naming);
    return text;
}

std::string Result(const Step& step, CellNaming naming)
{
    std::vector<std::string> parts;
    for (const CellDigit& placed : step.placements)
        parts.push_back(CellName(placed.cell, naming) + " is " + The(placed.digit));
    if (!step.eliminations.empty())
        parts.push_back(Removals(step.eliminations, naming));
    return JoinList(parts, ", ");
}

std::string Capitalised(std::string_view text)
{
    std::string result(text);
    if (!result.empty() && result[0] >= 'a' && result[0] <= 'z')
        result[0] = char(result[0] - 'a' + 'A');
    return result;
}
