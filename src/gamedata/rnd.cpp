#include "gamedata/rnd.h"

#include "platform/clock.h"

#include <cstring>

namespace vx {

namespace {
uint64_t g_state = 0x853c49e6748fea9bULL;

uint64_t mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
} // namespace

float Rnd()
{
    g_state = g_state * 6364136223846793005ULL + 1442695040888963407ULL;
    const uint64_t bits = mix(g_state);
    // 24 random bits give every float in [0, 1) on a grid of 2^-24; 1.0 never comes out.
    return static_cast<float>(bits >> 40) * (1.0f / 16777216.0f);
}

void Randomize(double seed)
{
    uint64_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    g_state = mix(g_state ^ mix(bits + 0x9e3779b97f4a7c15ULL));
}

double SecondsSinceMidnight()
{
    return platform::SecondsSinceMidnight();
}

void RandomizeFromTime()
{
    Randomize(SecondsSinceMidnight());
}

namespace RndTesting {
void setState(uint64_t state)
{
    g_state = state;
}
} // namespace RndTesting

} // namespace vx
