// The bivalue universal grave: were every empty cell left with two digits, each twice in every unit,
// the grid would have two solutions; so the few cells with more must take one of their extra digits.
#include "ExtraDigitSubset.h"
#include "GridUnits.h"
#include "StepTechniques.h"

#include <algorithm>

namespace {

// Grids with more cells of three or more digits hardly ever show the pattern.
constexpr int MostExtraCells = 3;

// True when, without the extra digits, every digit is left in none or two cells of every unit.
bool LeavesEachDigitTwice(const CandidateGrid& grid, const std::vector<int>& cells, const std::vector<DigitMask>& extras)
{
    for (int digit = 1; digit <= 9; ++digit) {
        CellSet places = grid.CellsWith(digit);
        for (size_t i = 0; i < cells.size(); ++i)
            if ((extras[i] & DigitBit(digit)) != 0)
                places.Remove(cells[i]);
        for (int unit = 0; unit < UnitCount; ++unit) {
            const int count = (places & UnitSet(unit)).Count();
            if (count != 0 && count != 2)
                return false;
        }
    }
    return true;
}

// For each cell of more than two digits, which of them are extra: those whose removal leaves
// every digit twice in every unit. Empty when no choice does.
std::vector<DigitMask> ExtraDigits(const CandidateGrid& grid, const std::vector<int>& cells)
{
    std::vector<DigitMask> extras(cells.size());
    // Each cell keeps two of its digits; try every choice, cell by cell.
    std::vector<DigitMask> kept(cells.size());
    const auto choose = [&](auto&& self, size_t i) -> bool {
        if (i == cells.size()) {
            for (size_t j = 0; j < cells.size(); ++j)
                extras[j] = DigitMask(grid.Candidates(cells[j]) & ~kept[j]);
            return LeavesEachDigitTwice(grid, cells, extras);
        }
        const std::vector<int> digits = DigitsOf(grid.Candidates(cells[i]));
        for (size_t a = 0; a < digits.size(); ++a) {
            for (size_t b = a + 1; b < digits.size(); ++b) {
                kept[i] = DigitMask(DigitBit(digits[a]) | DigitBit(digits[b]));
                if (self(self, i + 1))
                    return true;
            }
        }
        return false;
    };
    return choose(choose, 0) ? extras : std::vector<DigitMask>{};
}

// The extra cells all lie in `unit`: one of them takes an extra digit. Either their extra
// digits form a naked subset with other cells of the unit, or, two cells sharing a digit that
// has no other place in the unit, one takes its extra digit and the other that digit, so
// neither takes its remaining digit.
std::optional<Step> ExtraDigitsInUnit(const CandidateGrid& grid, Step step, const std::vector<DigitMask>& extras, int unit)
{
    step.units = {unit};
    const std::vector<int>& cells = step.cells;
    if (cells.size() == 2) {
        const DigitMask kept0 = DigitMask(grid.Candidates(cells[0]) & ~extras[0]);
        const DigitMask kept1 = DigitMask(grid.Candidates(cells[1]) & ~extras[1]);
        for (const int digit : DigitsOf(DigitMask(kept0 & kept1))) {
            if ((grid.CellsWith(digit) & UnitSet(unit)) != (CellSet::Of(cells[0]) | CellSet::Of(cells[1])))
                continue;
            step.difficulty = BaseDifficulty(step.technique) + 1;
            step.digits = {digit};
            for (const int other : DigitsOf(DigitMask(kept0 & ~DigitBit(digit))))
                step.eliminations.push_back({cells[0], other});
            for (const int other : DigitsOf(DigitMask(kept1 & ~DigitBit(digit))))
                step.eliminations.push_back({cells[1], other});
            return step;
        }
    }
    DigitMask allExtras = 0;
    for (const DigitMask mask : extras)
        allExtras |= mask;
    const std::optional<ExtraDigitSubset> subset = FindExtraDigitSubset(grid, unit, cells, allExtras);
    if (!subset)
        return std::nullopt;
    step.difficulty = BaseDifficulty(step.technique) + 1 + int(subset->cells.size());
    step.otherCells = subset->cells;
    step.digits = DigitsOf(subset->digits);
    step.eliminations = subset->eliminations;
    return step;
}

}  // namespace

std::optional<Step> FindBivalueUniversalGrave(const CandidateGrid& grid)
{
    std::vector<int> extraCells;
    Step step;
    step.technique = Technique::BivalueUniversalGrave;
    for (int cell = 0; cell < 81; ++cell) {
        if (grid.Value(cell) != 0)
            continue;
        const int count = CountDigits(grid.Candidates(cell));
        if (count < 2)
            return std::nullopt;
        if (count > 2)
            extraCells.push_back(cell);
        ReadCell(step, cell);  // the pattern reads the whole grid
    }
    if (extraCells.empty() || int(extraCells.size()) > MostExtraCells)
        return std::nullopt;
    const std::vector<DigitMask> extras = ExtraDigits(grid, extraCells);
    if (extras.empty())
        return std::nullopt;
    step.cells = extraCells;
    DigitMask allExtras = 0;
    for (const DigitMask mask : extras)
        allExtras |= mask;
    step.digits = DigitsOf(allExtras);
    // One cell with one extra digit: it holds that digit.
    if (extraCells.size() == 1 && CountDigits(extras.front()) == 1) {
        step.difficulty = BaseDifficulty(step.technique);
        step.placements = {{extraCells.front(), LowestDigit(extras.front())}};
        return step;
    }
    // Every extra cell with the same one extra digit: one of them holds it.
    if (CountDigits(allExtras) == 1 && std::all_of(extras.begin(), extras.end(), [&](DigitMask m) { return m == allExtras; })) {
        CellSet seen = PeerSet(extraCells.front());
        for (const int cell : extraCells)
            seen &= PeerSet(cell);
        const int digit = LowestDigit(allExtras);
        for (const int cell : seen & grid.CellsWith(digit))
            step.eliminations.push_back({cell, digit});
        step.difficulty = BaseDifficulty(step.technique) + 1;
        return step.eliminations.empty() ? std::nullopt : std::optional<Step>(step);
    }
    std::optional<Step> best;
    for (const int unit : UnitsOfCell(extraCells.front())) {
        if (!std::all_of(extraCells.begin(), extraCells.end(), [unit](int cell) { return UnitSet(unit).Has(cell); }))
            continue;
        if (auto found = ExtraDigitsInUnit(grid, step, extras, unit); found && (!best || found->difficulty < best->difficulty))
            best = std::move(found);
    }
    return best;
}
