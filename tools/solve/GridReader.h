// Splits tessaly-solve's input into grids: 81 cells each, on one line or drawn over several.
#pragma once

#include "Grid81.h"

#include <functional>
#include <optional>

// One grid of the input, or lines that hold none; lines are counted from 1.
struct GridInput {
    long long firstLine = 0;
    long long lastLine = 0;
    std::optional<Grid81> grid;  // empty when these lines are not a grid
};

// Takes the input a character at a time and reports each grid when its last line ends, keeping
// no more than one grid's cells whatever the input. Cells and separators are a puzzle text's
// (PuzzleText.h). A grid may span lines, but a line never holds cells of two grids; lines with
// no cells (blank lines, the rules of a drawn grid) belong to none. Reported as not a grid: a
// line with any other character or with more than 81 cells, and the lines of a grid left short
// by such a line, by a line whose cells do not fit in it, or by the end of the input.
class GridReader {
public:
    explicit GridReader(std::function<void(const GridInput&)> report) : m_report(std::move(report)) {}

    void Put(char c);
    // The end of the input: ends its last line and reports a grid left short.
    void Finish();

private:
    void EndLine();
    void ReportShortGrid();

    std::function<void(const GridInput&)> m_report;
    long long m_line = 1;
    // The current line's cells, kept apart until the line ends and shows where they belong.
    Grid81 m_lineCells{};
    int m_lineCount = 0;
    bool m_lineBroken = false;
    // The grid being filled, from the lines before.
    Grid81 m_cells{};
    int m_count = 0;
    long long m_firstLine = 0;
    long long m_lastLine = 0;
};
