#pragma once

#include "coversearch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wheelgen {

constexpr int MaxLines = 2500; // the most tickets a shipped wheel may ask for

// The 24 wheel types (as WheelCase without a group) in menu order.
std::vector<WheelCase> wheelTypesOnly();

// Every type and group size from pick + 1 to 20 that gets a design: a full wheel (every
// combination) only while it has at most 2,500 lines, and 6-5-5 not at 20, where no wheel can be
// that small.
std::vector<WheelCase> shippedCases();

// "6-5-3-12"
std::string caseName(const WheelCase &wheel);

// The seed a case runs with: the run's seed mixed with the case, so each case has its own numbers
// and adding or leaving out cases does not change the others.
uint64_t caseSeed(uint64_t runSeed, const WheelCase &wheel);

// The text of a design file: '#' comment lines, then one line of positions per wheel line.
std::string designText(const std::vector<std::string> &comments, const std::vector<uint32_t> &lines);

// The number after "# seconds: " in a design file's text, or 0.
double recordedSeconds(const std::string &text);

} // namespace wheelgen
