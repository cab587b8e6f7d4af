// Builds ScriptedRandom values from the results that RandomBelow should return, one per draw.
#pragma once

#include <vector>

// Every draw consumes two values and keeps the second; the first is one that RandomBelow throws
// away, so code that kept the wrong one fails the test. Results must lie below the draw's bound.
inline std::vector<int> ScriptedDraws(const std::vector<int>& results)
{
    std::vector<int> values;
    for (int result : results) {
        values.push_back(1000001);  // % 9 and % 3 give 2, unlike most scripted results
        values.push_back(result);
    }
    return values;
}
