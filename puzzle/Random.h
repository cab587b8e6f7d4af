// The game's one source of random numbers, with a generator that tests can replace.
#pragma once

#include <random>

// Produces non-negative values; RandomBelow turns two of them into one draw.
class RandomGenerator {
public:
    virtual ~RandomGenerator() = default;
    virtual void Seed(unsigned seed) = 0;
    virtual int Next() = 0;  // >= 0
};

// The generator the game uses: a Mersenne twister.
class StdRandomGenerator final : public RandomGenerator {
public:
    void Seed(unsigned seed) override { m_engine.seed(seed); }
    int Next() override { return static_cast<int>(m_engine() >> 1); }

private:
    std::mt19937 m_engine{5489u};
};

// The process-wide generator of the game; seeded once, when the board is created.
RandomGenerator& GameRandom();

// Seeds with the current calendar time in seconds.
void SeedFromClock(RandomGenerator& generator);

// 0 ... |n| - 1; 0 for n == 0 without drawing. Any other n consumes two values.
int RandomBelow(RandomGenerator& generator, int n);
