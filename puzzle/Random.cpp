// RandomBelow and the game's generator.
#include "Random.h"

#include <ctime>

RandomGenerator& GameRandom()
{
    static StdRandomGenerator generator;
    return generator;
}

void SeedFromClock(RandomGenerator& generator)
{
    generator.Seed(static_cast<unsigned>(std::time(nullptr)));
}

int RandomBelow(RandomGenerator& generator, int n)
{
    if (n == 0)
        return 0;
    generator.Next();  // the first value of every draw is thrown away
    const long long value = generator.Next();
    const long long range = n < 0 ? -static_cast<long long>(n) : n;
    return static_cast<int>(value % range);
}
