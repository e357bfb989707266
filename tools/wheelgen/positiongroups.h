#pragma once

#include <cstdint>
#include <vector>

// Groups of position permutations and the orbits of lines under them. Many of the smallest known
// coverings are unions of such orbits.
namespace wheelgen {

// A group of permutations of the positions: each element is the image of every position (0-based).
struct PositionGroup {
    std::vector<std::vector<int>> elements;
};

// The powers of one permutation of the positions, given by the lengths of its cycles over
// consecutive positions from the first; positions after the last cycle stay fixed.
PositionGroup cyclicGroup(int group, const std::vector<int> &cycleLengths);

// Every product of the generators (each the image of every position), the identity first and the
// rest in the order a breadth-first walk over the generators meets them.
PositionGroup generatedGroup(int group, const std::vector<std::vector<int>> &generators);

// The affine maps x -> a x + b modulo the prime `modulus` on the first `modulus` positions, a running
// over the powers of `multiplier` (the rest of the positions fixed): a larger group than the shifts
// alone, so fewer and larger orbits.
PositionGroup affineGroup(int group, int modulus, int multiplier);

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line);

// The distinct images of the line, in the order of the group's elements.
std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line);

} // namespace wheelgen
