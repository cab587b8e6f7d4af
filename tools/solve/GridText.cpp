// Parsing and printing the one-line grid form.
#include "GridText.h"

std::optional<Grid81> ParseGridLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() != 81)
        return std::nullopt;
    Grid81 grid{};
    for (int cell = 0; cell < 81; ++cell) {
        const char c = line[cell];
        if (c >= '1' && c <= '9')
            grid[cell] = c - '0';
        else if (c != '0' && c != '.')
            return std::nullopt;
    }
    return grid;
}

std::string FormatGrid(const Grid81& grid)
{
    std::string text(81, '0');
    for (int cell = 0; cell < 81; ++cell)
        text[cell] = static_cast<char>('0' + grid[cell]);
    return text;
}
