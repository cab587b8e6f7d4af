// Naked and hidden pairs, triples and quads within one unit.
#include "DirectSteps.h"
#include "GridUnits.h"
#include "StepTechniques.h"

#include <utility>

namespace {

constexpr Technique NakedTechniques[] = {Technique::NakedPair, Technique::NakedTriple, Technique::NakedQuad};
constexpr Technique HiddenTechniques[] = {Technique::HiddenPair, Technique::HiddenTriple, Technique::HiddenQuad};

// The subset's step when it removes something from the unit.
std::optional<Step> SubsetStep(Step step, Technique technique, DigitMask digits, int unit)
{
    if (step.eliminations.empty())
        return std::nullopt;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    step.digits = DigitsOf(digits);
    step.units = {unit};
    return step;
}

}  // namespace

std::optional<Step> FindNakedSubset(const CandidateGrid& grid, int size, const PatternScope& scope)
{
    for (int unit = 0; unit < UnitCount; ++unit) {
        if ((scope.units & (1u << unit)) == 0)
            continue;
        const auto& cells = UnitCells(unit);
        unsigned eligible = 0;  // empty cells with no more candidates than the subset has
        for (int i = 0; i < 9; ++i) {
            const int count = CountDigits(grid.Candidates(cells[i]));
            if (count >= 1 && count <= size)
                eligible |= 1u << i;
        }
        for (SubsetsOfSize subsets(eligible, size); !subsets.Done(); subsets.Next()) {
            const unsigned chosen = subsets.Current();
            DigitMask digits = 0;
            for (int i = 0; i < 9; ++i)
                if ((chosen & (1u << i)) != 0)
                    digits |= grid.Candidates(cells[i]);
            if (CountDigits(digits) != size)
                continue;
            bool removes = false;
            for (int i = 0; i < 9; ++i)
                removes = removes || ((chosen & (1u << i)) == 0 && (grid.Candidates(cells[i]) & digits) != 0);
            if (!removes)
                continue;
            Step step;
            for (int i = 0; i < 9; ++i) {
                if ((chosen & (1u << i)) != 0) {
                    step.cells.push_back(cells[i]);
                    ReadCell(step, cells[i]);
                    continue;
                }
                for (const int digit : DigitsOf(DigitMask(grid.Candidates(cells[i]) & digits)))
                    step.eliminations.push_back({cells[i], digit});
            }
            if (auto found = SubsetStep(std::move(step), NakedTechniques[size - 2], digits, unit))
                return found;
        }
    }
    return std::nullopt;
}

namespace {

// The first hidden subset of `size` digits for which `accept` returns a step.
template <typename Accept>
std::optional<Step> FirstHiddenSubset(const CandidateGrid& grid, int size, const PatternScope& scope, Accept accept)
{
    for (int unit = 0; unit < UnitCount; ++unit) {
        if ((scope.units & (1u << unit)) == 0)
            continue;
        const auto& cells = UnitCells(unit);
        DigitMask eligible = 0;  // digits with no more places than the subset has cells
        for (int digit = 1; digit <= 9; ++digit) {
            const int places = BitCount(grid.PositionsIn(unit, digit));
            if (places >= 1 && places <= size)
                eligible |= DigitBit(digit);
        }
        for (SubsetsOfSize subsets(eligible, size); !subsets.Done(); subsets.Next()) {
            const DigitMask digits = DigitMask(subsets.Current());
            unsigned positions = 0;
            for (int digit = 1; digit <= 9; ++digit)
                if ((digits & DigitBit(digit)) != 0)
                    positions |= grid.PositionsIn(unit, digit);
            if (BitCount(positions) != size)
                continue;
            bool removes = false;
            for (int i = 0; i < 9; ++i)
                removes = removes || ((positions & (1u << i)) != 0 && (grid.Candidates(cells[i]) & ~digits) != 0);
            if (!removes)
                continue;
            Step step;
            for (const int digit : DigitsOf(digits))
                ReadDigit(step, digit, UnitSet(unit));
            for (int i = 0; i < 9; ++i) {
                if ((positions & (1u << i)) == 0)
                    continue;
                step.cells.push_back(cells[i]);
                for (const int digit : DigitsOf(DigitMask(grid.Candidates(cells[i]) & ~digits)))
                    step.eliminations.push_back({cells[i], digit});
            }
            if (auto found = SubsetStep(std::move(step), HiddenTechniques[size - 2], digits, unit))
                if (auto accepted = accept(std::move(*found)))
                    return accepted;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindHiddenSubset(const CandidateGrid& grid, int size, const PatternScope& scope)
{
    return FirstHiddenSubset(grid, size, scope, [](Step step) { return std::optional<Step>(std::move(step)); });
}

std::optional<Step> FindDirectHiddenSubset(const CandidateGrid& grid, int size)
{
    return FirstHiddenSubset(grid, size, WholeGrid, [&grid](Step step) { return MakeDirect(grid, std::move(step)); });
}
