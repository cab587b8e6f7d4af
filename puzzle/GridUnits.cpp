// The 27 units of the grid (rows, columns, boxes) and which cells see each other.
#include "GridUnits.h"

#include <bit>

namespace {

struct UnitTables {
    std::array<std::array<int, 9>, UnitCount> cells{};
    std::array<std::array<int, 3>, 81> unitsOfCell{};
    std::array<std::array<int, 20>, 81> peers{};
    std::array<std::array<bool, 81>, 81> sees{};
    std::array<CellSet, 81> peerSets{};
    std::array<CellSet, UnitCount> unitSets{};
    std::array<std::vector<unsigned>, 10> masksOfSize{};

    UnitTables()
    {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                cells[RowUnit(i)][j] = i * 9 + j;
                cells[ColumnUnit(i)][j] = j * 9 + i;
                cells[BoxUnit(i)][j] = (3 * (i / 3) + j / 3) * 9 + 3 * (i % 3) + j % 3;
            }
        }
        for (int unit = 0; unit < UnitCount; ++unit)
            for (const int cell : cells[unit])
                unitSets[unit].Add(cell);
        for (unsigned mask = 0; mask < 512; ++mask)
            masksOfSize[BitCount(mask)].push_back(mask);
        for (int cell = 0; cell < 81; ++cell)
            unitsOfCell[cell] = {RowUnit(cell / 9), ColumnUnit(cell % 9), BoxUnit(BoxOf(cell))};
        for (int a = 0; a < 81; ++a) {
            int count = 0;
            for (int b = 0; b < 81; ++b) {
                const bool shared = a != b && (a / 9 == b / 9 || a % 9 == b % 9 || BoxOf(a) == BoxOf(b));
                sees[a][b] = shared;
                if (shared) {
                    peers[a][count++] = b;
                    peerSets[a].Add(b);
                }
            }
        }
    }
};

const UnitTables& Tables()
{
    static const UnitTables tables;
    return tables;
}

}  // namespace

const std::array<int, 9>& UnitCells(int unit) { return Tables().cells[unit]; }
const std::array<int, 3>& UnitsOfCell(int cell) { return Tables().unitsOfCell[cell]; }
bool Sees(int a, int b) { return Tables().sees[a][b]; }
const std::array<int, 20>& PeersOf(int cell) { return Tables().peers[cell]; }
const CellSet& PeerSet(int cell) { return Tables().peerSets[cell]; }
const CellSet& UnitSet(int unit) { return Tables().unitSets[unit]; }
const std::vector<unsigned>& MasksOfSize(int size) { return Tables().masksOfSize[size]; }
