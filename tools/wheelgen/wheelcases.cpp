#include "wheelcases.h"

#include <cstdlib>

namespace wheelgen {

namespace {

uint64_t binomial(int n, int k)
{
    uint64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return result;
}

} // namespace

std::vector<WheelCase> wheelTypesOnly()
{
    return {{7, 7, 7, 0}, {7, 7, 6, 0}, {7, 7, 5, 0}, {7, 7, 4, 0}, {7, 7, 3, 0}, {6, 6, 6, 0}, {6, 6, 5, 0},
        {6, 6, 4, 0}, {6, 6, 3, 0}, {6, 5, 5, 0}, {6, 5, 4, 0}, {6, 5, 3, 0}, {6, 4, 4, 0}, {6, 4, 3, 0}, {6, 3, 3, 0},
        {5, 5, 5, 0}, {5, 5, 4, 0}, {5, 5, 3, 0}, {5, 4, 4, 0}, {5, 4, 3, 0}, {5, 3, 3, 0}, {4, 4, 4, 0}, {4, 4, 3, 0},
        {4, 4, 2, 0}};
}

std::vector<WheelCase> shippedCases()
{
    std::vector<WheelCase> cases;
    for (WheelCase wheel : wheelTypesOnly()) {
        for (int group = wheel.pick + 1; group <= 20; ++group) {
            wheel.group = group;
            const bool full = wheel.match == wheel.pick;
            if (full && binomial(group, wheel.pick) > MaxLines)
                break;
            if (wheel.pick == 6 && wheel.drawn == 5 && wheel.match == 5 && group == 20)
                break;
            cases.push_back(wheel);
        }
    }
    return cases;
}

std::string caseName(const WheelCase &wheel)
{
    return std::to_string(wheel.pick) + "-" + std::to_string(wheel.drawn) + "-" + std::to_string(wheel.match) + "-"
        + std::to_string(wheel.group);
}

uint64_t caseSeed(uint64_t runSeed, const WheelCase &wheel)
{
    uint64_t h = runSeed;
    for (const int part : {wheel.pick, wheel.drawn, wheel.match, wheel.group})
        h = (h ^ static_cast<uint64_t>(part)) * 0x100000001b3ull + 0x9e3779b97f4a7c15ull;
    return h;
}

std::string designText(const std::vector<std::string> &comments, const std::vector<uint32_t> &lines)
{
    std::string text;
    for (const std::string &comment : comments)
        text += "# " + comment + "\n";
    for (const uint32_t line : lines) {
        std::string row;
        for (int p = 1; p <= 32; ++p)
            if (line & (1u << (p - 1)))
                row += (row.empty() ? "" : " ") + std::to_string(p);
        text += row + "\n";
    }
    return text;
}

double recordedSeconds(const std::string &text)
{
    const std::string key = "\n# seconds: ";
    const size_t at = ("\n" + text).find(key);
    if (at == std::string::npos)
        return 0;
    return std::strtod(text.c_str() + at + key.size() - 1, nullptr);
}

} // namespace wheelgen
