// Choices of n items whose masks together cover n bits: the core of naked and hidden subsets and fish.
#pragma once

#include "CellSet.h"

#include <bit>
#include <span>

namespace LockedSetsDetail {

// Chooses `left` more items among `below`, the highest first, keeping the union within `size` bits.
template <typename Visit>
bool Choose(std::span<const unsigned> masks, int size, unsigned below, int left, unsigned chosen, unsigned covered,
            Visit& visit)
{
    // A union past `size` bits only grows: no choice that holds these items fits.
    const int spare = size - SmallBitCount(covered);
    if (spare < 0)
        return false;
    if (left == 0)
        return spare == 0 && visit(chosen, covered);
    for (unsigned items = below; items != 0; items &= items - 1) {
        const int item = std::countr_zero(items);
        const unsigned lower = below & ((1u << item) - 1);
        if (SmallBitCount(lower) >= left - 1
            && Choose(masks, size, lower, left - 1, chosen | 1u << item, covered | masks[size_t(item)], visit))
            return true;
    }
    return false;
}

}  // namespace LockedSetsDetail

// Calls `visit(chosen, covered)` for each choice of `size` items among the bits of `eligible`
// whose masks (`masks[i]` for item i) cover exactly `size` bits together, in increasing order
// of `chosen`, until it returns true; true when it did. `eligible` has bits below masks.size(),
// the masks none from bit 10 up.
template <typename Visit>
bool FindLockedSet(unsigned eligible, int size, std::span<const unsigned> masks, Visit visit)
{
    return LockedSetsDetail::Choose(masks, size, eligible, size, 0, 0, visit);
}
