// A generator that ignores seeding, so a test can replay the exact draws of a game.
#pragma once

#include "Random.h"

#include <random>

class FixedSeedRandom final : public RandomGenerator {
public:
    void Seed(unsigned) override {}
    int Next() override { return static_cast<int>(m_engine() >> 1); }

private:
    std::mt19937 m_engine{12345u};
};
