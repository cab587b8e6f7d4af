// X-Wing, Swordfish and Jellyfish: a digit whose places in n lines lie in n crossing lines.
#include "GridUnits.h"
#include "LockedSets.h"
#include "StepTechniques.h"

namespace {

constexpr Technique FishTechniques[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};

// Base lines are rows when `rowsAsBase`, else columns; the cover lines cross them.
std::optional<Step> FindFishIn(const CandidateGrid& grid, int size, int digit, bool rowsAsBase)
{
    const int baseFirst = rowsAsBase ? RowUnit(0) : ColumnUnit(0);
    const int coverFirst = rowsAsBase ? ColumnUnit(0) : RowUnit(0);
    std::array<unsigned, 9> places{};  // in each base line, the crossing lines that may take the digit
    unsigned eligible = 0;
    for (int line = 0; line < 9; ++line) {
        places[line] = grid.PositionsIn(baseFirst + line, digit);
        const int count = SmallBitCount(places[line]);
        if (count >= 2 && count <= size)
            eligible |= 1u << line;
    }
    std::optional<Step> found;
    FindLockedSet(eligible, size, places, [&](unsigned base, unsigned cover) {
        bool removes = false;
        for (int line = 0; line < 9; ++line)
            removes = removes || ((cover & (1u << line)) != 0 && (grid.PositionsIn(coverFirst + line, digit) & ~base) != 0);
        if (!removes)
            return false;
        Step step;
        for (int line = 0; line < 9; ++line) {
            if ((base & (1u << line)) == 0)
                continue;
            step.units.push_back(baseFirst + line);
            ReadDigit(step, digit, UnitSet(baseFirst + line));
            for (int i = 0; i < 9; ++i)
                if ((places[line] & (1u << i)) != 0)
                    step.cells.push_back(UnitCells(baseFirst + line)[i]);
        }
        for (int line = 0; line < 9; ++line) {
            if ((cover & (1u << line)) == 0)
                continue;
            step.units.push_back(coverFirst + line);
            const auto& cells = UnitCells(coverFirst + line);
            for (int i = 0; i < 9; ++i)
                if ((base & (1u << i)) == 0 && grid.Has(cells[i], digit))
                    step.eliminations.push_back({cells[i], digit});
        }
        if (step.eliminations.empty())
            return false;
        step.technique = FishTechniques[size - 2];
        step.difficulty = BaseDifficulty(step.technique);
        step.digits = {digit};
        found = std::move(step);
        return true;
    });
    return found;
}

}  // namespace

std::optional<Step> FindFish(const CandidateGrid& grid, int size, const PatternScope& scope)
{
    for (int digit = 1; digit <= 9; ++digit) {
        if ((scope.digits & (1u << digit)) == 0)
            continue;
        for (const bool rowsAsBase : {true, false})
            if (auto step = FindFishIn(grid, size, digit, rowsAsBase))
                return step;
    }
    return std::nullopt;
}
