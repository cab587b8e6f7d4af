// XY-Wing and XYZ-Wing: a pivot cell and two pincers, one of which must hold the digit z.
#include "GridUnits.h"
#include "StepTechniques.h"

namespace {

// Removes z from every cell that sees all of `cells`.
std::vector<CellDigit> SeenByAll(const CandidateGrid& grid, const std::vector<int>& cells, int z)
{
    std::vector<CellDigit> eliminations;
    for (int cell = 0; cell < 81; ++cell) {
        if (!grid.Has(cell, z))
            continue;
        bool seesAll = true;
        for (const int other : cells)
            seesAll = seesAll && Sees(cell, other);
        if (seesAll)
            eliminations.push_back({cell, z});
    }
    return eliminations;
}

Step Wing(Technique technique, std::vector<int> cells, std::vector<int> digits, std::vector<CellDigit> eliminations)
{
    Step step;
    step.technique = technique;
    step.difficulty = BaseDifficulty(technique);
    for (const int cell : cells)
        ReadCell(step, cell);
    step.cells = std::move(cells);
    step.digits = std::move(digits);
    step.eliminations = std::move(eliminations);
    return step;
}

}  // namespace

std::optional<Step> FindXYWing(const CandidateGrid& grid)
{
    for (int pivot = 0; pivot < 81; ++pivot) {
        const DigitMask xy = grid.Candidates(pivot);
        if (CountDigits(xy) != 2)
            continue;
        for (const int a : PeersOf(pivot)) {
            const DigitMask xz = grid.Candidates(a);
            // The first pincer shares exactly one digit x with the pivot.
            if (CountDigits(xz) != 2 || CountDigits(DigitMask(xz & xy)) != 1)
                continue;
            const int x = LowestDigit(DigitMask(xz & xy));
            const int y = LowestDigit(DigitMask(xy & ~DigitBit(x)));
            const int z = LowestDigit(DigitMask(xz & ~DigitBit(x)));
            for (const int b : PeersOf(pivot)) {
                if (b == a || grid.Candidates(b) != (DigitBit(y) | DigitBit(z)))
                    continue;
                auto eliminations = SeenByAll(grid, {a, b}, z);
                if (!eliminations.empty())
                    return Wing(Technique::XYWing, {pivot, a, b}, {x, y, z}, std::move(eliminations));
            }
        }
    }
    return std::nullopt;
}

std::optional<Step> FindXYZWing(const CandidateGrid& grid)
{
    for (int pivot = 0; pivot < 81; ++pivot) {
        const DigitMask xyz = grid.Candidates(pivot);
        if (CountDigits(xyz) != 3)
            continue;
        for (const int a : PeersOf(pivot)) {
            const DigitMask xz = grid.Candidates(a);
            if (CountDigits(xz) != 2 || (xz & ~xyz) != 0)
                continue;
            for (const int b : PeersOf(pivot)) {
                const DigitMask yz = grid.Candidates(b);
                if (b <= a || CountDigits(yz) != 2 || (yz & ~xyz) != 0 || (xz | yz) != xyz)
                    continue;
                const int z = LowestDigit(DigitMask(xz & yz));
                const int x = LowestDigit(DigitMask(xz & ~DigitBit(z)));
                const int y = LowestDigit(DigitMask(yz & ~DigitBit(z)));
                auto eliminations = SeenByAll(grid, {pivot, a, b}, z);
                if (!eliminations.empty())
                    return Wing(Technique::XYZWing, {pivot, a, b}, {x, y, z}, std::move(eliminations));
            }
        }
    }
    return std::nullopt;
}
