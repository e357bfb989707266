#pragma once

#include "coversearch.h"
#include "positiongroups.h"

#include <functional>
#include <vector>

// Wheels made of whole orbits, found as a set cover. A group of position permutations takes the
// lines meeting a set of drawn positions to the lines meeting its images, so whether an orbit of
// lines covers a set depends only on the set's orbit: a wheel of orbits is a choice of line orbits
// covering every orbit of drawn sets, and it costs the lines its orbits hold. There are a group's
// order fewer of both than of lines and sets, so the search over them is that much smaller.
namespace wheelgen {

// The orbits of the lines and of the drawn sets, and which set orbits each line orbit covers.
struct OrbitCoverProblem {
    std::vector<uint32_t> representatives; // by line orbit: its lowest line
    std::vector<int> cost; // by line orbit: its lines
    std::vector<std::vector<int>> covers; // by line orbit: the set orbits it covers, ascending
    std::vector<std::vector<int>> coveredBy; // by set orbit: the line orbits covering it, ascending
};

OrbitCoverProblem orbitCoverProblem(const WheelCase &wheel, const PositionGroup &positions);

// A greedy choice of line orbits (the most newly covered set orbits per line first), then weighted
// local search: the cost is held one line below the best cover found; a move adds the line orbit
// covering the most uncovered weight per line among those covering a random uncovered set orbit,
// and takes out the chosen orbits losing the least weight per line until the cost fits again; the
// weights of the set orbits left uncovered grow. It ends when the move budget passes without a
// smaller wheel. Each smaller complete wheel goes to `onSmaller` as lines; the smallest is returned.
std::vector<uint32_t> orbitCoverWheel(const WheelCase &wheel, const PositionGroup &positions,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller);

} // namespace wheelgen
