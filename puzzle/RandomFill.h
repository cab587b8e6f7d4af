// The sparse random grid of New Game: one row of several digits, one digit in every other row.
#pragma once

#include "Grid81.h"
#include "Random.h"

// No digit twice in a row, column or box; the chosen row holds 3-9 digits, each other row one.
Grid81 BuildRandomGrid(RandomGenerator& random);
