// The cells that see each other, as lists.
#include "GridUnits.h"

namespace {

struct UnitTables {
    std::array<std::array<int, 20>, 81> peers{};

    UnitTables()
    {
        for (int a = 0; a < 81; ++a) {
            int count = 0;
            for (const int b : PeerSet(a))
                peers[a][count++] = b;
        }
    }
};

const UnitTables& Tables()
{
    static const UnitTables tables;
    return tables;
}

}  // namespace

const std::array<int, 20>& PeersOf(int cell) { return Tables().peers[cell]; }
