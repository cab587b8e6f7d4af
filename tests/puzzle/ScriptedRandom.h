// A generator that replays a fixed list of values, for tests that pin down the order of draws.
#pragma once

#include "Random.h"

#include <vector>

class ScriptedRandom final : public RandomGenerator {
public:
    explicit ScriptedRandom(std::vector<int> values) : m_values(std::move(values)) {}

    // One RandomBelow result per entry (each below its draw's bound). Every draw consumes two
    // values and keeps the second; the first, 1000001, gives 2 for % 9 and % 3, unlike most
    // scripted results, so code that kept the wrong one fails.
    static ScriptedRandom FromDraws(const std::vector<int>& results)
    {
        std::vector<int> values;
        for (int result : results)
            values.insert(values.end(), {1000001, result});
        return ScriptedRandom(std::move(values));
    }

    void Seed(unsigned) override {}
    int Next() override { return m_values.at(m_next++); }  // throws once the values are used up
    size_t Consumed() const { return m_next; }  // values, two per draw

private:
    std::vector<int> m_values;
    size_t m_next = 0;
};
