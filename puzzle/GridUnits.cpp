// The 27 units of the grid (rows, columns, boxes) and which cells see each other.
#include "GridUnits.h"

namespace {

struct UnitTables {
    std::array<std::array<int, 9>, UnitCount> cells{};
    std::array<std::array<int, 3>, 81> unitsOfCell{};
    std::array<std::array<int, 20>, 81> peers{};
    std::array<std::array<bool, 81>, 81> sees{};

    UnitTables()
    {
        for (int i = 0; i < 9; ++i) {
            for (int j = 0; j < 9; ++j) {
                cells[RowUnit(i)][j] = i * 9 + j;
                cells[ColumnUnit(i)][j] = j * 9 + i;
                cells[BoxUnit(i)][j] = (3 * (i / 3) + j / 3) * 9 + 3 * (i % 3) + j % 3;
            }
        }
        for (int cell = 0; cell < 81; ++cell)
            unitsOfCell[cell] = {RowUnit(cell / 9), ColumnUnit(cell % 9), BoxUnit(BoxOf(cell))};
        for (int a = 0; a < 81; ++a) {
            int count = 0;
            for (int b = 0; b < 81; ++b) {
                const bool shared = a != b && (a / 9 == b / 9 || a % 9 == b % 9 || BoxOf(a) == BoxOf(b));
                sees[a][b] = shared;
                if (shared)
                    peers[a][count++] = b;
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
