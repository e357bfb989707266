#pragma once

#include "coversearch.h"

#include <functional>
#include <vector>

// Wheels made of whole orbits of a cyclic group of position permutations. Many of the smallest
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

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line);

// The distinct images of the line, in the order of the group's elements.
std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line);

// A greedy wheel of whole orbits (the orbit covering the most uncovered sets first), then: drop
// the orbit that alone covers the fewest sets and repair with weighted local search over orbits (a
// move swaps one position of an orbit's lines, the same way in each), again and again until the
// move budget passes without a smaller wheel. Each smaller complete wheel goes to `onSmaller`;
// the smallest is returned.
std::vector<uint32_t> symmetricWheel(const WheelCase &wheel, const PositionGroup &positions,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller);

} // namespace wheelgen
