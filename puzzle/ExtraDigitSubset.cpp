// The naked subset that a uniqueness pattern's extra digits form with other cells of a unit.
#include "ExtraDigitSubset.h"

#include "GridUnits.h"

#include <algorithm>

std::optional<ExtraDigitSubset> FindExtraDigitSubset(const CandidateGrid& grid, int unit, const std::vector<int>& pattern,
                                                     DigitMask extras)
{
    std::vector<int> others;
    for (const int cell : UnitCells(unit))
        if (grid.Value(cell) == 0 && std::find(pattern.begin(), pattern.end(), cell) == pattern.end())
            others.push_back(cell);
    for (int size = 1; size <= 4; ++size) {
        for (SubsetsOfSize subsets((1u << others.size()) - 1, size); !subsets.Done(); subsets.Next()) {
            const unsigned chosen = subsets.Current();
            ExtraDigitSubset subset{{}, extras, {}};
            for (size_t i = 0; i < others.size(); ++i)
                if ((chosen & (1u << i)) != 0)
                    subset.digits |= grid.Candidates(others[i]);
            if (CountDigits(subset.digits) != size + 1)
                continue;
            for (size_t i = 0; i < others.size(); ++i) {
                if ((chosen & (1u << i)) != 0) {
                    subset.cells.push_back(others[i]);
                    continue;
                }
                for (int digit = 1; digit <= 9; ++digit)
                    if ((grid.Candidates(others[i]) & subset.digits & DigitBit(digit)) != 0)
                        subset.eliminations.push_back({others[i], digit});
            }
            if (!subset.eliminations.empty())
                return subset;
        }
    }
    return std::nullopt;
}
