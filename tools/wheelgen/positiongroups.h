#pragma once

#include <cstdint>
#include <string>
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

// The affine maps x -> a x + b modulo `modulus` on the first `modulus` positions, a running over the
// powers of `multiplier` (prime to the modulus; the rest of the positions fixed): a larger group
// than the shifts alone, so fewer and larger orbits. Modulo 15 with multiplier 2 it is the Singer
// cycle of the projective space of 15 points with the field's squaring.
PositionGroup affineGroup(int group, int modulus, int multiplier);

// A group as the generator's options name it: cycles over the first positions, or, with a
// multiplier, the affine group on the first cycle.
struct GroupChoice {
    std::vector<int> cycles;
    int multiplier = 0;
};

// Whether the choice names a group: cycles of at least one position that fit in the group, and a
// multiplier only with one cycle, prime to its length and not 1 modulo it.
bool validGroupChoice(const GroupChoice &choice, int group);
PositionGroup groupOf(const GroupChoice &choice, int group);
// "the cyclic group with cycles 5,5,5" or "the affine group x -> a x + b modulo 19 (a a power of 7)"
std::string describeGroup(const GroupChoice &choice);

// The groups a sweep tries on `group` positions: one cycle of every length from the group down to
// 5, equal cycles moving all but up to 8 positions, two unequal cycles moving 8 or more, two equal
// cycles and a shorter one moving all but up to 6, and the affine groups modulo every length from 7
// up, one for each group of multipliers (all multipliers only up to 13). Which group gives the
// smallest wheel cannot be told beforehand; groups fixing many positions often win.
std::vector<GroupChoice> sweepGroups(int group);

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line);

// The distinct images of the line, in the order of the group's elements.
std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line);

} // namespace wheelgen
