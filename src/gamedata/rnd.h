#pragma once

#include <cstdint>
#include <functional>

// The program's one pseudo-random generator. Reseeding mixes the seed into the generator's state
// rather than replacing it, so two reseeds from the same time of day still give different numbers.
namespace vx {

float Rnd(); // the next value, in [0, 1)
void Randomize(double seed); // mixes a seed into the state
void RandomizeFromTime(); // Randomize(seconds since midnight)
double SecondsSinceMidnight();

namespace RndTesting {
void setState(uint64_t state); // a known starting point
void setClock(std::function<double()> secondsNow); // empty: the real clock
} // namespace RndTesting

} // namespace vx
