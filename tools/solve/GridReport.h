// What tessaly-solve prints for --rate and --explain.
#pragma once

#include "Grid81.h"

#include <string>

// "<solutions> <rating> <hardest technique>": solutions 0, 1 or 2+; the rating in tenths
// as "3.2", or "T&E" when the techniques cannot finish the grid (which, with the nested
// forcing chains, only a grid with several solutions leaves them). A grid without a
// completion gets "0 - no solution", one that needs no step "1 0.0 none".
std::string RateLine(const Grid81& grid);

// The steps that solve the grid, one a line ("<difficulty> <sentence>"; a forcing chain goes on
// over lines indented by four spaces), then a last line with the rating; "No Answer" alone for
// a grid without a completion. Rows and columns are those of the grid as read, from 1. Every
// line ends with a newline.
std::string ExplainLines(const Grid81& grid);
