#pragma once

#include <cstdint>

// The program's one pseudo-random generator. Reseeding mixes the seed into the generator's state
// rather than replacing it, so two reseeds from the same time of day still give different numbers.
namespace vx {

float Rnd(); // the next value, in [0, 1)
void Randomize(double seed); // mixes a seed into the state
void RandomizeFromTime(); // Randomize(seconds since midnight)
double SecondsSinceMidnight(); // the platform clock's, which a test stands still

namespace RndTesting {
void setState(uint64_t state); // a known starting point
} // namespace RndTesting

} // namespace vx
