// The words that step texts are built from: names of cells, units, digits and removals.
#pragma once

#include "SolveStep.h"
#include "StepText.h"

#include <string>
#include <string_view>
#include <vector>

// "a", "a and b", "a, b and c"; `separator` between the others.
std::string JoinList(const std::vector<std::string>& items, std::string_view separator = ", ");
// Cell names contain a comma, so lists of them are separated by semicolons.
std::string CellList(const std::vector<int>& cells, CellNaming naming);
// "1, 2 and 5".
std::string DigitList(const std::vector<int>& digits);
std::string UnitList(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last, CellNaming naming);
// "the 4".
std::string The(int digit);
// "the 4 is removed from row 1, column 2; row 1, column 3", digit by digit.
std::string Removals(const std::vector<CellDigit>& eliminations, CellNaming naming);
// "Row 4, column 1 is the 7", "the 5 is placed in ...": the step's result as a clause.
std::string Result(const Step& step, CellNaming naming);
std::string Capitalised(std::string_view text);
