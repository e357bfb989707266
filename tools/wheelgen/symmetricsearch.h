#pragma once

#include "coversearch.h"

#include <functional>
#include <vector>

// Wheels made of whole orbits of a group of position permutations. Many of the smallest
// known coverings are unions of such orbits; searching over orbits instead of lines makes the
// search space smaller by the group's order.
namespace wheelgen {

// The powers of one permutation of the positions, given by the lengths of its cycles over
// consecutive positions from the first; positions after the last cycle stay fixed. Each element is
// the image of every position (0-based).
struct PositionGroup {
    std::vector<std::vector<int>> elements;
};

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

// For each distinct image of the line, the first group element (its index) giving it.
std::vector<size_t> orbitElements(const PositionGroup &positions, uint32_t line);

// Whether the elements take the line to its whole orbit, each to a different line: only then can an
// orbit's lines follow a change of its representative in place. In a cyclic group an orbit of the
// same size is enough (the stabiliser is the one subgroup of its order); in others it is not.
bool elementsSpanOrbit(const PositionGroup &positions, const std::vector<size_t> &elements, uint32_t line);

// A greedy wheel of whole orbits (the orbit covering the most uncovered sets first), then: drop
// the orbit that alone covers the fewest sets and repair with weighted local search over orbits (a
// move swaps one position of an orbit's lines, the same way in each), again and again until the
// move budget passes without a smaller wheel. Each smaller complete wheel goes to `onSmaller`;
// the smallest is returned.
std::vector<uint32_t> symmetricWheel(const WheelCase &wheel, const PositionGroup &positions,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller);

} // namespace wheelgen
