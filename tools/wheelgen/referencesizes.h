#pragma once

#include "coversearch.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// The sizes the shipped designs are measured against: for every case the size a plain search
// reached (reachable-sizes.csv), and for the covering types (drawn = match) the best known covering
// design C(v, k, t) (covering-reference.csv).
namespace wheelgen {

struct ReferenceSizes {
    std::map<std::tuple<int, int, int, int>, int> reachable; // (pick, drawn, match, group)
    std::map<std::tuple<int, int, int>, int> bestCovering; // (v, k, t)
};

// Reads both files from the folder; the error names what is missing or damaged.
std::optional<ReferenceSizes> readReferenceSizes(const std::string &folder, std::string *error);

std::optional<int> reachableSize(const ReferenceSizes &sizes, const WheelCase &wheel);
// Only for the covering types short of a full wheel: a full wheel has no smaller covering.
std::optional<int> bestCoveringSize(const ReferenceSizes &sizes, const WheelCase &wheel);

// Whether a covering type's size meets its target: the best known size up to 15 balls, at most 10%
// above it beyond.
bool meetsCoveringTarget(const WheelCase &wheel, int size, int best);

} // namespace wheelgen
