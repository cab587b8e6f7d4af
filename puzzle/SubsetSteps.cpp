// Naked and hidden pairs, triples and quads within one unit.
#include "DirectSteps.h"
#include "GridUnits.h"
#include "LockedSets.h"
#include "StepTechniques.h"

#include <array>
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
    std::optional<Step> found;
    for (int unit = 0; unit < UnitCount && !found; ++unit) {
        if ((scope.units & (1u << unit)) == 0)
            continue;
        const auto& cells = UnitCells(unit);
        std::array<unsigned, 9> candidates{};
        unsigned eligible = 0;  // empty cells with no more candidates than the subset has
        for (int i = 0; i < 9; ++i) {
            candidates[i] = grid.Candidates(cells[i]);
            const int count = CountDigits(DigitMask(candidates[i]));
            if (count >= 1 && count <= size)
                eligible |= 1u << i;
        }
        FindLockedSet(eligible, size, candidates, [&](unsigned chosen, unsigned covered) {
            const DigitMask digits = DigitMask(covered);
            bool removes = false;
            for (int i = 0; i < 9; ++i)
                removes = removes || ((chosen & (1u << i)) == 0 && (candidates[i] & digits) != 0);
            if (!removes)
                return false;
            Step step;
            for (int i = 0; i < 9; ++i) {
                if ((chosen & (1u << i)) != 0) {
                    step.cells.push_back(cells[i]);
                    ReadCell(step, cells[i]);
                    continue;
                }
                for (const int digit : DigitsOf(DigitMask(candidates[i] & digits)))
                    step.eliminations.push_back({cells[i], digit});
            }
            found = SubsetStep(std::move(step), NakedTechniques[size - 2], digits, unit);
            return found.has_value();
        });
    }
    return found;
}

namespace {

// The first hidden subset of `size` digits for which `accept` returns a step.
template <typename Accept>
std::optional<Step> FirstHiddenSubset(const CandidateGrid& grid, int size, const PatternScope& scope, Accept accept)
{
    std::optional<Step> found;
    for (int unit = 0; unit < UnitCount && !found; ++unit) {
        if ((scope.units & (1u << unit)) == 0)
            continue;
        const auto& cells = UnitCells(unit);
        std::array<unsigned, 10> positions{};  // by digit
        DigitMask eligible = 0;  // digits with no more places than the subset has cells
        for (int digit = 1; digit <= 9; ++digit) {
            positions[digit] = grid.PositionsIn(unit, digit);
            const int places = SmallBitCount(positions[digit]);
            if (places >= 1 && places <= size)
                eligible |= DigitBit(digit);
        }
        FindLockedSet(eligible, size, positions, [&](unsigned chosen, unsigned covered) {
            const DigitMask digits = DigitMask(chosen);
            bool removes = false;
            for (int i = 0; i < 9; ++i)
                removes = removes || ((covered & (1u << i)) != 0 && (grid.Candidates(cells[i]) & ~digits) != 0);
            if (!removes)
                return false;
            Step step;
            for (const int digit : DigitsOf(digits))
                ReadDigit(step, digit, UnitSet(unit));
            for (int i = 0; i < 9; ++i) {
                if ((covered & (1u << i)) == 0)
                    continue;
                step.cells.push_back(cells[i]);
                for (const int digit : DigitsOf(DigitMask(grid.Candidates(cells[i]) & ~digits)))
                    step.eliminations.push_back({cells[i], digit});
            }
            if (auto subset = SubsetStep(std::move(step), HiddenTechniques[size - 2], digits, unit))
                found = accept(std::move(*subset));
            return found.has_value();
        });
    }
    return found;
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
