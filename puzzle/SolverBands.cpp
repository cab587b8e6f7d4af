// Band bitboards: propagation by singles and locked candidates, and the searches built on it.
#include "SolverBands.h"

#include "UnitMatching.h"

#include <bit>
#include <utility>

namespace {

constexpr std::uint32_t kBandCells = 0x7FFFFFF;
constexpr std::uint32_t kRowCells = 0x1FF;

// A band's shape for one digit is a 3x3 table: bit 3 * row + box is set when the digit may
// stand somewhere in that row (of the band) and box (of the band). The digit takes exactly one
// cell in each row and each box, so its final shape is one of the six permutations.
struct Tables {
    std::array<std::uint8_t, 512> boxesOfRow{};       // 9 cells of a row -> its 3 boxes
    std::array<std::uint16_t, 512> permutations{};    // shape -> union of the permutations in it
    std::array<std::uint32_t, 512> shapeCells{};      // shape -> the band's cells it allows
    // Columns of a band (9 bits) whose digit has no cell in the other bands -> the columns
    // the band keeps: in a box with such a column only that column, else all three; 0 when
    // two of them share a box.
    std::array<std::uint16_t, 512> columnsKeptByClaims{};
    // Columns of a band (9 bits) with the digit -> those that are the only one of their box.
    std::array<std::uint16_t, 512> pointingColumns{};
};

constexpr Tables MakeTables()
{
    Tables tables;
    for (unsigned row = 0; row < 512; ++row) {
        for (int box = 0; box < 3; ++box) {
            if ((row >> (3 * box) & 7u) != 0)
                tables.boxesOfRow[row] |= static_cast<std::uint8_t>(1u << box);
        }
    }
    constexpr int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (unsigned shape = 0; shape < 512; ++shape) {
        for (const auto& order : kOrders) {
            const unsigned permutation =
                (1u << order[0]) | (1u << (3 + order[1])) | (1u << (6 + order[2]));
            if ((shape & permutation) == permutation)
                tables.permutations[shape] = static_cast<std::uint16_t>(tables.permutations[shape] | permutation);
        }
        for (int bit = 0; bit < 9; ++bit) {
            if ((shape >> bit & 1u) != 0)
                tables.shapeCells[shape] |= 7u << (9 * (bit / 3) + 3 * (bit % 3));
        }
    }
    for (unsigned columns = 0; columns < 512; ++columns) {
        unsigned keep = 0;
        unsigned pointing = 0;
        bool conflict = false;
        for (int box = 0; box < 3; ++box) {
            const unsigned inBox = columns & (7u << (3 * box));
            const bool one = inBox != 0 && (inBox & (inBox - 1)) == 0;
            keep |= inBox == 0 ? 7u << (3 * box) : inBox;
            pointing |= one ? inBox : 0;
            conflict = conflict || (inBox != 0 && !one);
        }
        tables.columnsKeptByClaims[columns] = static_cast<std::uint16_t>(conflict ? 0 : keep);
        tables.pointingColumns[columns] = static_cast<std::uint16_t>(pointing);
    }
    return tables;
}

constexpr Tables kTables = MakeTables();

// The 27 bitboards whose change has not been propagated yet, bit 3 * digit + band.
using Pending = std::uint32_t;
// The bitboards of band 0 for every digit; shifted by the band, those of that band.
constexpr Pending kEveryDigit = 0111111111;

// A band's three rows of 9 bits folded onto one row, and one row copied to all three.
constexpr std::uint32_t FoldColumns(std::uint32_t cells) { return (cells | cells >> 9 | cells >> 18) & kRowCells; }
constexpr std::uint32_t SpreadColumns(std::uint32_t columns) { return columns | columns << 9 | columns << 18; }

// Settles digit + 1 (0 <= digit < 9) in `cells` of `band`, open cells that hold that
// candidate: they lose every other digit, and the digit leaves their rows, their columns (in
// every band) and, through the next UpdateBand, their boxes. Adds the changed bitboards,
// the digit's own in this band always, to `pending`; false when two of the cells share a
// row or a column. Instantiated per digit and band, so that every index is a constant and
// the loops unroll: settling is the innermost step of the search.
template <int kDigit, int kBand>
[[nodiscard]] bool Settle(BandBoard& board, Pending& pendingOut, std::uint32_t cells)
{
    constexpr int kOwn = 3 * kDigit + kBand;
    const std::uint32_t row0 = cells & kRowCells;
    const std::uint32_t row1 = cells >> 9 & kRowCells;
    const std::uint32_t row2 = cells >> 18;
    if ((row0 & (row0 - 1)) != 0 || (row1 & (row1 - 1)) != 0 || (row2 & (row2 - 1)) != 0 ||
        ((row0 & row1) | (row0 & row2) | (row1 & row2)) != 0)
        return false;
    // A local copy: the bitboards are stored through pointers the compiler cannot tell apart.
    Pending pending = pendingOut;
    board.open[kBand] &= ~cells;
    const std::uint32_t own = board.candidates[kOwn];
    for (int other = kBand; other < 27; other += 3) {
        const std::uint32_t mask = board.candidates[other];
        board.candidates[other] = mask & ~cells;
        pending |= static_cast<Pending>((mask & cells) != 0) << other;
    }
    const std::uint32_t rows = (row0 != 0 ? kRowCells : 0) | (row1 != 0 ? kRowCells << 9 : 0) |
                               (row2 != 0 ? kRowCells << 18 : 0);
    const std::uint32_t columns = SpreadColumns(row0 | row1 | row2);
    board.candidates[kOwn] = (own & ~(rows | columns)) | cells;
    pending |= 1u << kOwn;
    for (int other = 3 * kDigit; other < 3 * kDigit + 3; ++other) {
        if (other == kOwn)
            continue;
        const std::uint32_t mask = board.candidates[other];
        board.candidates[other] = mask & ~columns;
        pending |= static_cast<Pending>((mask & columns) != 0) << other;
    }
    pendingOut = pending;
    return true;
}

using SettleFunction = bool (*)(BandBoard&, Pending&, std::uint32_t);

template <std::size_t... kIndex>
constexpr std::array<SettleFunction, 27> MakeSettleTable(std::index_sequence<kIndex...>)
{
    return {&Settle<kIndex / 3, kIndex % 3>...};
}

constexpr std::array<SettleFunction, 27> kSettle = MakeSettleTable(std::make_index_sequence<27>());

// Settle for a digit and band known only at run time.
[[nodiscard]] bool Settle(BandBoard& board, Pending& pending, int digit, int band, std::uint32_t cells)
{
    return kSettle[3 * digit + band](board, pending, cells);
}

// Locked candidates of one digit between the rows and boxes of one band; the rows left with
// one open cell settle, and the round starts again.
template <int kIndex>
bool UpdateBand(BandBoard& board, Pending& pending)
{
    constexpr int kBand = kIndex % 3;
    for (;;) {
        std::uint32_t mask = board.candidates[kIndex];
        const unsigned shape = kTables.boxesOfRow[mask & kRowCells] |
                               kTables.boxesOfRow[(mask >> 9) & kRowCells] << 3 |
                               kTables.boxesOfRow[mask >> 18] << 6;
        const unsigned allowed = kTables.permutations[shape];
        if (allowed == 0)
            return false;
        mask &= kTables.shapeCells[allowed];
        board.candidates[kIndex] = mask;
        // Every row keeps a cell: the permutations give each row a box.
        const std::uint32_t row0 = mask & kRowCells;
        const std::uint32_t row1 = mask & kRowCells << 9;
        const std::uint32_t row2 = mask & kRowCells << 18;
        const std::uint32_t singles = ((row0 & (row0 - 1)) == 0 ? row0 : 0) |
                                      ((row1 & (row1 - 1)) == 0 ? row1 : 0) |
                                      ((row2 & (row2 - 1)) == 0 ? row2 : 0);
        const std::uint32_t newSingles = singles & board.open[kBand];
        if (newSingles == 0)
            return true;
        if (!Settle<kIndex / 3, kBand>(board, pending, newSingles))
            return false;
        pending &= ~(1u << kIndex);
    }
}

using UpdateFunction = bool (*)(BandBoard&, Pending&);

template <std::size_t... kIndex>
constexpr std::array<UpdateFunction, 27> MakeUpdateTable(std::index_sequence<kIndex...>)
{
    return {&UpdateBand<kIndex>...};
}

constexpr std::array<UpdateFunction, 27> kUpdateBand = MakeUpdateTable(std::make_index_sequence<27>());

// Cells left with one digit; false when a cell is left with none.
bool SettleNakedSingles(BandBoard& board, Pending& pending, Pending touched)
{
    for (int band = 0; band < 3; ++band) {
        if ((touched & (kEveryDigit << band)) == 0)
            continue;
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        for (int index = band; index < 27; index += 3) {
            twice |= once & board.candidates[index];
            once |= board.candidates[index];
        }
        if (once != kBandCells)
            return false;
        const std::uint32_t singles = once & ~twice & board.open[band];
        if (singles == 0)
            continue;
        for (int index = band; index < 27; index += 3) {
            // An earlier digit of this loop may have taken the last digit of one of the cells.
            const std::uint32_t cells = board.candidates[index] & singles & board.open[band];
            if (cells != 0 && !Settle(board, pending, index / 3, band, cells))
                return false;
        }
    }
    return true;
}

// Locked candidates between the columns and the boxes of one digit: a column whose cells lie
// in one band keeps the digit out of the other columns of its box there; a box whose cells
// lie in one column keeps it out of that column in the other bands. False when a column has
// no cell left, or two columns of one box both need the box.
bool LockColumns(BandBoard& board, Pending& pendingOut, Pending touched)
{
    Pending pending = pendingOut;
    for (int digit = 0; digit < 9; ++digit) {
        const int first = 3 * digit;
        if ((touched & (7u << first)) == 0)
            continue;
        std::uint32_t columns[3];
        for (int band = 0; band < 3; ++band)
            columns[band] = FoldColumns(board.candidates[first + band]);
        if ((columns[0] | columns[1] | columns[2]) != kRowCells)
            return false;
        std::uint32_t pointing[3];
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t alone =
                columns[band] & ~(columns[(band + 1) % 3] | columns[(band + 2) % 3]);
            const std::uint32_t keep = kTables.columnsKeptByClaims[alone];
            if (keep == 0)
                return false;
            pointing[band] = kTables.pointingColumns[columns[band] & keep];
            const std::uint32_t mask = board.candidates[first + band];
            const std::uint32_t kept = mask & SpreadColumns(keep);
            if (kept != mask) {
                board.candidates[first + band] = kept;
                pending |= 1u << (first + band);
            }
        }
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t mask = board.candidates[first + band];
            const std::uint32_t kept =
                mask & ~SpreadColumns(pointing[(band + 1) % 3] | pointing[(band + 2) % 3]);
            if (kept != mask) {
                board.candidates[first + band] = kept;
                pending |= 1u << (first + band);
            }
        }
    }
    pendingOut = pending;
    return true;
}

// Locked candidates in the bands of every changed bitboard until none changes; then, on the
// bands and digits changed since they last looked, naked singles and (when those settle
// nothing) locked candidates between columns and boxes, until nothing is pending.
bool Propagate(BandBoard& board, Pending pending)
{
    Pending nakedTouched = 0;
    Pending columnTouched = 0;
    for (;;) {
        while (pending != 0) {
            nakedTouched |= pending;
            columnTouched |= pending;
            const int index = std::countr_zero(pending);
            pending &= pending - 1;
            if (!kUpdateBand[index](board, pending))
                return false;
        }
        if (!SettleNakedSingles(board, pending, nakedTouched))
            return false;
        nakedTouched = 0;
        if (pending != 0)
            continue;
        if (!LockColumns(board, pending, columnTouched))
            return false;
        columnTouched = 0;
        if (pending == 0)
            return true;
    }
}

// The set bits among bits 0-26; the build targets no particular processor, so std::popcount
// may become a library call.
constexpr std::array<std::uint8_t, 512> MakeBitCounts()
{
    std::array<std::uint8_t, 512> counts{};
    for (unsigned bits = 1; bits < 512; ++bits)
        counts[bits] = static_cast<std::uint8_t>(counts[bits >> 1] + (bits & 1u));
    return counts;
}

constexpr std::array<std::uint8_t, 512> kBitCounts = MakeBitCounts();

int CountBits(std::uint32_t cells)
{
    return kBitCounts[cells & kRowCells] + kBitCounts[cells >> 9 & kRowCells] + kBitCounts[cells >> 18];
}

// The cells of a band that share a row, a column or a box with a cell of it, the cell excluded.
constexpr std::array<std::uint32_t, 27> MakeBandPeers()
{
    std::array<std::uint32_t, 27> peers{};
    for (int bit = 0; bit < 27; ++bit) {
        const std::uint32_t row = kRowCells << (9 * (bit / 9));
        const std::uint32_t box = 0x1C0E07u << (3 * (bit % 9 / 3));
        peers[bit] = (row | box | SpreadColumns(1u << (bit % 9))) & ~(1u << bit);
    }
    return peers;
}

constexpr std::array<std::uint32_t, 27> kBandPeers = MakeBandPeers();

// Among the open cells with two candidates (`pairs`, per band), the one whose digits stand in
// the most other such cells it sees, each digit counted apart: whichever digit it takes, the
// pairs it sees that hold that digit settle at once, so both branches go far. Among equals the
// last in row-major order.
int BestPairCell(const BandBoard& board, const std::uint32_t (&pairs)[3])
{
    std::uint32_t pairsWith[9][3];
    for (int digit = 0; digit < 9; ++digit) {
        for (int band = 0; band < 3; ++band)
            pairsWith[digit][band] = pairs[band] & board.candidates[3 * digit + band];
    }
    int best = -1;
    int bestScore = -1;
    for (int band = 2; band >= 0; --band) {
        const int next = band == 2 ? 0 : band + 1;
        const int last = next == 2 ? 0 : next + 1;
        for (std::uint32_t cells = pairs[band]; cells != 0;) {
            const int bit = 31 - std::countl_zero(cells);
            cells &= ~(1u << bit);
            const std::uint32_t column = SpreadColumns(1u << (bit % 9));
            int score = 0;
            for (const auto& with : pairsWith) {
                // The column's cells of the other two bands, side by side in bits 0-19.
                const std::uint32_t across = ((with[next] & column) | (with[last] & column) << 1) >> (bit % 9);
                if ((with[band] >> bit & 1u) != 0)
                    score += CountBits(with[band] & kBandPeers[bit]) + CountBits(across);
            }
            if (score > bestScore) {
                best = 27 * band + bit;
                bestScore = score;
            }
        }
    }
    return best;
}

// The cell to branch on: one with two candidates if there is any (BestPairCell), else one with
// the fewest candidates, the last in row-major order. Branching near the bottom of the grid
// measured far fewer nodes on grids with many completions, whose givens crowd the top rows
// (237,581 against 27 on one of them). On the grids one given away from 83 hard published
// puzzles in 31 symmetric forms (292,919 grids), choosing among the pairs by BestPairCell
// lowered the most boards SolveGrid visited on one grid from 1,249 to 254, and the total by 15%.
int BranchCell(const BandBoard& board)
{
    // Four bit planes of each cell's candidate count, per band.
    std::uint32_t planes[3][4] = {};
    for (int band = 0; band < 3; ++band) {
        std::uint32_t* count = planes[band];
        for (int index = band; index < 27; index += 3) {
            const std::uint32_t carry0 = count[0] & board.candidates[index];
            count[0] ^= board.candidates[index];
            const std::uint32_t carry1 = count[1] & carry0;
            count[1] ^= carry0;
            count[3] |= count[2] & carry1;
            count[2] ^= carry1;
        }
    }
    std::uint32_t pairs[3];
    for (int band = 0; band < 3; ++band)
        pairs[band] = board.open[band] & ~planes[band][0] & planes[band][1] & ~(planes[band][2] | planes[band][3]);
    if ((pairs[0] | pairs[1] | pairs[2]) != 0)
        return BestPairCell(board, pairs);
    for (unsigned wanted = 3; wanted <= 9; ++wanted) {
        for (int band = 2; band >= 0; --band) {
            std::uint32_t cells = board.open[band];
            for (int plane = 0; plane < 4; ++plane)
                cells &= (wanted >> plane & 1u) != 0 ? planes[band][plane] : ~planes[band][plane];
            if (cells != 0)
                return 27 * band + 31 - std::countl_zero(cells);
        }
    }
    return -1;
}

class CountingSearch {
public:
    CountingSearch(int limit, Grid81* first, SearchCounters& counters)
        : m_limit(limit), m_first(first), m_counters(counters)
    {
    }

    int Found() const { return m_found; }

    // Each frame settles at least one cell, so the nesting stays within 82 frames.
    void Run(BandBoard& board, int frame)
    {
        ++m_counters.nodes;
        if (frame > m_counters.deepestFrame)
            m_counters.deepestFrame = frame;
        if (board.IsComplete()) {
            if (m_found++ == 0 && m_first != nullptr)
                board.WriteDigits(*m_first);
            return;
        }
        if (++m_boards > kBoardsBeforeMatching && !UnitsCanHoldTheirDigits(board))
            return;
        const int cell = BranchCell(board);
        for (unsigned digits = board.CandidateDigits(cell); digits != 0;) {
            const int digit = std::countr_zero(digits) + 1;
            digits &= digits - 1;
            if (digits == 0) {
                // The last digit may use this frame's board itself.
                if (board.Assign(cell, digit))
                    Run(board, frame + 1);
                return;
            }
            BandBoard trial = board;
            if (trial.Assign(cell, digit))
                Run(trial, frame + 1);
            if (m_found >= m_limit)
                return;
        }
    }

private:
    // Past its first boards, a search also checks each board's units by matching
    // (UnitsCanHoldTheirDigits), which costs up to about as much as propagating the board. Quick
    // searches never pay it; long ones are mostly lost below a board whose contradiction is a
    // few digits confined to fewer cells of a unit, which singles and locked candidates only see
    // once those cells fill: on the sparse grids of tests/solver/bounds.txt, searches of up to
    // 247,103 boards came down to a few hundred.
    static constexpr long long kBoardsBeforeMatching = 32;

    int m_limit;
    int m_found = 0;
    long long m_boards = 0;
    Grid81* m_first;
    SearchCounters& m_counters;
};

class SmallestSearch {
public:
    SmallestSearch(long long budget, Grid81& smallest, SearchCounters& counters)
        : m_wrongTurnsLeft(budget), m_smallest(smallest), m_counters(counters)
    {
    }

    int Run(const BandBoard& board, int frame)
    {
        ++m_counters.nodes;
        if (frame > m_counters.deepestFrame)
            m_counters.deepestFrame = frame;
        const int cell = board.FirstOpenCell();
        if (cell < 0) {
            board.WriteDigits(m_smallest);
            return 1;
        }
        for (unsigned digits = board.CandidateDigits(cell); digits != 0; digits &= digits - 1) {
            BandBoard trial = board;
            if (trial.Assign(cell, std::countr_zero(digits) + 1)) {
                const int outcome = Run(trial, frame + 1);
                if (outcome != 0)
                    return outcome;
            }
            if (m_wrongTurnsLeft-- == 0)
                return -1;
        }
        return 0;
    }

private:
    long long m_wrongTurnsLeft;
    Grid81& m_smallest;
    SearchCounters& m_counters;
};

}  // namespace

bool BandBoard::Load(const Grid81& grid)
{
    candidates.fill(kBandCells);
    open.fill(kBandCells);
    for (const int value : grid) {
        if (value < 0 || value > 9)
            return false;
    }
    Pending pending = 0;
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = grid[cell] - 1;
        if (digit < 0)
            continue;
        // A repeated digit: an earlier one took this candidate.
        const int band = cell / 27;
        const std::uint32_t bit = 1u << (cell % 27);
        if ((candidates[3 * digit + band] & bit) == 0 || !Settle(*this, pending, digit, band, bit))
            return false;
    }
    return Propagate(*this, pending);
}

bool BandBoard::Assign(int cell, int digit)
{
    const int band = cell / 27;
    const int bit = cell % 27;
    if ((candidates[3 * (digit - 1) + band] >> bit & 1u) == 0)
        return false;
    Pending pending = 0;
    if (!Settle(*this, pending, digit - 1, band, 1u << bit))
        return false;
    return Propagate(*this, pending);
}

unsigned BandBoard::CandidateDigits(int cell) const
{
    const int band = cell / 27;
    const int bit = cell % 27;
    unsigned digits = 0;
    for (int digit = 0; digit < 9; ++digit)
        digits |= (candidates[3 * digit + band] >> bit & 1u) << digit;
    return digits;
}

int BandBoard::FirstOpenCell() const
{
    for (int band = 0; band < 3; ++band) {
        if (open[band] != 0)
            return 27 * band + std::countr_zero(open[band]);
    }
    return -1;
}

void BandBoard::WriteDigits(Grid81& grid) const
{
    grid.fill(0);
    for (int index = 0; index < 27; ++index) {
        const int band = index % 3;
        for (std::uint32_t cells = candidates[index] & ~open[band]; cells != 0; cells &= cells - 1)
            grid[27 * band + std::countr_zero(cells)] = index / 3 + 1;
    }
}

int CountCompletions(const BandBoard& board, int limit, Grid81* first, SearchCounters& counters)
{
    CountingSearch search(limit, first, counters);
    BandBoard copy = board;
    search.Run(copy, 1);
    return search.Found();
}

int SmallestWithin(const BandBoard& board, long long budget, Grid81& smallest,
                   SearchCounters& counters)
{
    SmallestSearch search(budget, smallest, counters);
    return search.Run(board, 1);
}
