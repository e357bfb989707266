#include "positiongroups.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <set>

namespace wheelgen {

PositionGroup generatedGroup(int group, const std::vector<std::vector<int>> &generators)
{
    std::vector<int> identity(static_cast<size_t>(group));
    std::iota(identity.begin(), identity.end(), 0);
    PositionGroup positions;
    std::set<std::vector<int>> seen {identity};
    positions.elements.push_back(identity);
    for (size_t next = 0; next < positions.elements.size(); ++next) {
        for (const std::vector<int> &generator : generators) {
            std::vector<int> product(identity.size());
            for (size_t p = 0; p < product.size(); ++p)
                product[p] = generator[static_cast<size_t>(positions.elements[next][p])];
            if (seen.insert(product).second)
                positions.elements.push_back(product);
        }
    }
    return positions;
}

PositionGroup cyclicGroup(int group, const std::vector<int> &cycleLengths)
{
    std::vector<int> generator(static_cast<size_t>(group));
    std::iota(generator.begin(), generator.end(), 0);
    int start = 0;
    for (const int length : cycleLengths) {
        for (int i = 0; i < length && start + i < group; ++i)
            generator[static_cast<size_t>(start + i)] = start + (i + 1) % length;
        start += length;
    }
    return generatedGroup(group, {generator});
}

PositionGroup affineGroup(int group, int modulus, int multiplier)
{
    std::vector<int> shift(static_cast<size_t>(group));
    std::iota(shift.begin(), shift.end(), 0);
    std::vector<int> scale = shift;
    for (int x = 0; x < modulus && x < group; ++x) {
        shift[static_cast<size_t>(x)] = (x + 1) % modulus;
        scale[static_cast<size_t>(x)] = (x * multiplier) % modulus;
    }
    return generatedGroup(group, {shift, scale});
}

bool validGroupChoice(const GroupChoice &choice, int group)
{
    int moved = 0;
    for (const int length : choice.cycles) {
        if (length < 1)
            return false;
        moved += length;
    }
    if (choice.cycles.empty() || moved > group)
        return false;
    return choice.multiplier == 0
        || (choice.cycles.size() == 1 && choice.cycles.front() > 1 && choice.multiplier > 0
            && std::gcd(choice.multiplier, choice.cycles.front()) == 1
            && choice.multiplier % choice.cycles.front() != 1);
}

PositionGroup groupOf(const GroupChoice &choice, int group)
{
    return choice.multiplier != 0 ? affineGroup(group, choice.cycles.front(), choice.multiplier)
                                  : cyclicGroup(group, choice.cycles);
}

std::string describeGroup(const GroupChoice &choice)
{
    std::string cycles;
    for (const int length : choice.cycles)
        cycles += (cycles.empty() ? "" : ",") + std::to_string(length);
    if (choice.multiplier != 0)
        return "the affine group x -> a x + b modulo " + cycles + " (a a power of " + std::to_string(choice.multiplier)
            + ")";
    return "the cyclic group with cycles " + cycles;
}

namespace {

// The powers of m modulo n (m prime to n), sorted: the multipliers its affine group uses.
std::vector<int> powersOf(int m, int n)
{
    std::vector<int> powers {1};
    for (int power = m % n; power != 1; power = power * m % n)
        powers.push_back(power);
    std::sort(powers.begin(), powers.end());
    return powers;
}

int totient(int n)
{
    int count = 0;
    for (int k = 1; k <= n; ++k)
        count += std::gcd(k, n) == 1;
    return count;
}

} // namespace

std::vector<GroupChoice> sweepGroups(int group)
{
    std::vector<GroupChoice> groups;
    for (int length = group; length >= 5; --length)
        groups.push_back({{length}, 0});
    for (int count = 2; count <= group / 2; ++count)
        for (int length = group / count; length >= 2 && count * length >= group - 8; --length)
            groups.push_back({std::vector<int>(static_cast<size_t>(count), length), 0});
    for (int sum = group; sum >= 8; --sum)
        for (int shorter = 2; shorter < sum - shorter; ++shorter)
            groups.push_back({{sum - shorter, shorter}, 0});
    for (int length = group / 2; length >= 3; --length)
        for (int shorter = std::min(length - 1, group - 2 * length); shorter >= 2 && 2 * length + shorter >= group - 6;
             --shorter)
            groups.push_back({{length, length, shorter}, 0});
    for (int modulus = 7; modulus <= group; ++modulus) {
        std::vector<std::vector<int>> multipliers;
        for (int m = 2; m < modulus; ++m) {
            if (std::gcd(m, modulus) != 1)
                continue;
            std::vector<int> powers = powersOf(m, modulus);
            if (std::find(multipliers.begin(), multipliers.end(), powers) != multipliers.end()
                || (static_cast<int>(powers.size()) == totient(modulus) && modulus > 13))
                continue;
            multipliers.push_back(std::move(powers));
            groups.push_back({{modulus}, m});
        }
    }
    return groups;
}

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line)
{
    uint32_t image = 0;
    for (uint32_t rest = line; rest != 0; rest &= rest - 1)
        image |= 1u << permutation[static_cast<size_t>(std::countr_zero(rest))];
    return image;
}

namespace {

// Marks for the lines met so far in one walk over a group: one bit for every line mask of up to 20
// positions, cleared again after each walk.
class LineMarks
{
public:
    bool mark(uint32_t line)
    {
        uint64_t &word = m_bits[line >> 6];
        const uint64_t bit = uint64_t {1} << (line & 63);
        if (word & bit)
            return false;
        word |= bit;
        m_marked.push_back(line);
        return true;
    }
    void clear()
    {
        for (const uint32_t line : m_marked)
            m_bits[line >> 6] = 0;
        m_marked.clear();
    }

private:
    std::vector<uint64_t> m_bits = std::vector<uint64_t>((size_t {1} << 20) / 64, 0);
    std::vector<uint32_t> m_marked;
};

LineMarks &lineMarks()
{
    thread_local LineMarks marks;
    return marks;
}

} // namespace

std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line)
{
    LineMarks &marks = lineMarks();
    std::vector<uint32_t> orbit;
    for (const std::vector<int> &element : positions.elements) {
        const uint32_t image = applyPermutation(element, line);
        if (marks.mark(image))
            orbit.push_back(image);
    }
    marks.clear();
    return orbit;
}

} // namespace wheelgen
