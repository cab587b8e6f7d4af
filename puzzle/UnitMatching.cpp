// UnitsCanHoldTheirDigits: a matching of missing digits to open cells in each unit.
#include "UnitMatching.h"

#include <bit>
#include <cstdint>

namespace {

constexpr std::uint32_t kRowCells = 0x1FF;
constexpr std::uint32_t kBoxCells = 0x1C0E07;

// A unit's cells are bits of one word: a row's or a box's as in its band, a column's as its
// cells in the three bands shifted by 0, 1 and 2, which keeps them apart.
struct Matching {
    const std::uint32_t* places;   // per digit, the open cells of the unit that may hold it
    std::uint32_t taken = 0;       // cells given to a digit
    std::int8_t owner[32] = {};    // for each taken cell, its digit

    // Kuhn's augmenting path: `digit` takes a free cell, or else a cell not yet `visited` whose
    // digit can move on. The depth stays within the unit's nine cells.
    bool Place(int digit, std::uint32_t& visited)
    {
        if (const std::uint32_t free = places[digit] & ~taken; free != 0) {
            Give(std::countr_zero(free), digit);
            return true;
        }
        for (std::uint32_t cells = places[digit] & ~visited; cells != 0; cells &= cells - 1) {
            const int cell = std::countr_zero(cells);
            visited |= 1u << cell;
            if (Place(owner[cell], visited)) {
                Give(cell, digit);
                return true;
            }
        }
        return false;
    }

    void Give(int cell, int digit)
    {
        taken |= 1u << cell;
        owner[cell] = static_cast<std::int8_t>(digit);
    }
};

// Digits settled in the unit have no open place and need none.
bool CanHoldDigits(const std::uint32_t (&places)[9])
{
    Matching matching{places};
    for (int digit = 0; digit < 9; ++digit) {
        std::uint32_t visited = 0;
        if (places[digit] != 0 && !matching.Place(digit, visited))
            return false;
    }
    return true;
}

// Propagation leaves every open cell two digits or more and every missing digit two cells or
// more, so k cells confined to k - 1 digits need k >= 3, and the other digits, now confined to
// the other cells, need two of those: a unit with fewer than five open cells always holds.
bool HasFiveCells(std::uint32_t cells)
{
    for (int i = 0; i < 4; ++i)
        cells &= cells - 1;
    return cells != 0;
}

}  // namespace

bool UnitsCanHoldTheirDigits(const BandBoard& board)
{
    std::uint32_t places[9];
    for (int band = 0; band < 3; ++band) {
        for (int third = 0; third < 3; ++third) {
            for (const std::uint32_t unit : {board.open[band] & kRowCells << (9 * third),
                                             board.open[band] & kBoxCells << (3 * third)}) {
                if (!HasFiveCells(unit))
                    continue;
                for (int digit = 0; digit < 9; ++digit)
                    places[digit] = board.candidates[3 * digit + band] & unit;
                if (!CanHoldDigits(places))
                    return false;
            }
        }
    }
    for (int column = 0; column < 9; ++column) {
        const std::uint32_t cells = 0x40201u << column;
        const auto gather = [cells](const std::uint32_t* bands) {
            return (bands[0] & cells) | (bands[1] & cells) << 1 | (bands[2] & cells) << 2;
        };
        const std::uint32_t unit = gather(board.open.data());
        if (!HasFiveCells(unit))
            continue;
        for (int digit = 0; digit < 9; ++digit)
            places[digit] = gather(&board.candidates[3 * digit]) & unit;
        if (!CanHoldDigits(places))
            return false;
    }
    return true;
}
