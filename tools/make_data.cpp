// Writes data.dat: distinct random complete solution grids, one per line, from a fixed seed.
// Usage: tessaly-make-data [count] > res/data.dat
// res/data.dat is the output of `tessaly-make-data > res/data.dat` built with libstdc++; the order
// std::shuffle makes belongs to the standard library, so another one writes other valid grids.
#include "Grid81.h"
#include "Placement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>

namespace {

// Randomised depth-first fill: every cell tries the digits in a fresh random order.
bool FillFrom(Grid81& grid, int index, std::mt19937& engine)
{
    if (index == 81)
        return true;
    int digits[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::shuffle(std::begin(digits), std::end(digits), engine);
    for (int d : digits) {
        grid[index] = d;
        if (IsPlacementValid(grid, index / 9, index % 9) && FillFrom(grid, index + 1, engine))
            return true;
    }
    grid[index] = 0;
    return false;
}

std::string ToLine(const Grid81& grid)
{
    std::string line;
    for (int v : grid)
        line += static_cast<char>('0' + v);
    return line;
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 60;
    std::mt19937 engine(20261206u);
    std::set<std::string> written;
    while (static_cast<int>(written.size()) < count) {
        Grid81 grid{};
        FillFrom(grid, 0, engine);
        const std::string line = ToLine(grid);
        if (written.insert(line).second)
            std::printf("%s\n", line.c_str());
    }
    return 0;
}
