// Puzzles as people pass them around: 81 cells as text, on one line or drawn as a grid.
#include "PuzzleText.h"

PuzzleCharKind KindOfPuzzleChar(char c)
{
    switch (c) {
    case '.': case '0': case '_': case '*':
        return PuzzleCharKind::Blank;
    case ' ': case '\t': case '\r': case '\n': case '\v': case '\f':
    case '|': case '-': case '+': case '=':
        return PuzzleCharKind::Separator;
    default:
        break;
    }
    return c >= '1' && c <= '9' ? PuzzleCharKind::Given : PuzzleCharKind::Other;
}

std::optional<Grid81> ParsePuzzleText(std::string_view text)
{
    Grid81 cells{};
    size_t count = 0;
    for (const char c : text) {
        const PuzzleCharKind kind = KindOfPuzzleChar(c);
        if (kind == PuzzleCharKind::Other)
            return std::nullopt;  // neither a cell nor a separator
        if (kind == PuzzleCharKind::Separator)
            continue;
        if (count == cells.size())
            return std::nullopt;  // more than 81 cells
        cells[count++] = kind == PuzzleCharKind::Given ? c - '0' : 0;
    }
    if (count != cells.size())
        return std::nullopt;
    return cells;
}

std::string FormatPuzzleText(const Grid81& cells)
{
    std::string text(cells.size(), '.');
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i] != 0)
            text[i] = static_cast<char>('0' + cells[i]);
    return text;
}
