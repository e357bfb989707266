#include "referencesizes.h"

#include <fstream>
#include <sstream>

namespace wheelgen {

namespace {

// The rows of a comma-separated file after its heading, each cut into its first `columns` numbers.
std::optional<std::vector<std::vector<int>>> readRows(const std::string &path, size_t columns, std::string *error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot read " + path;
        return std::nullopt;
    }
    std::vector<std::vector<int>> rows;
    std::string line;
    std::getline(in, line);
    for (int number = 2; std::getline(in, line); ++number) {
        if (line.empty())
            continue;
        std::vector<int> row;
        std::stringstream cells(line);
        for (std::string cell; row.size() < columns && std::getline(cells, cell, ',');) {
            try {
                row.push_back(std::stoi(cell));
            } catch (const std::exception &) {
                break;
            }
        }
        if (row.size() != columns) {
            *error = path + " line " + std::to_string(number) + " is not a row of sizes";
            return std::nullopt;
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

std::optional<ReferenceSizes> readReferenceSizes(const std::string &folder, std::string *error)
{
    ReferenceSizes sizes;
    const auto reachable = readRows(folder + "/reachable-sizes.csv", 5, error);
    if (!reachable)
        return std::nullopt;
    for (const std::vector<int> &r : *reachable)
        sizes.reachable[{r[0], r[1], r[2], r[3]}] = r[4];
    const auto covering = readRows(folder + "/covering-reference.csv", 4, error);
    if (!covering)
        return std::nullopt;
    for (const std::vector<int> &r : *covering)
        sizes.bestCovering[{r[0], r[1], r[2]}] = r[3];
    return sizes;
}

std::optional<int> reachableSize(const ReferenceSizes &sizes, const WheelCase &wheel)
{
    const auto found = sizes.reachable.find({wheel.pick, wheel.drawn, wheel.match, wheel.group});
    if (found == sizes.reachable.end())
        return std::nullopt;
    return found->second;
}

std::optional<int> bestCoveringSize(const ReferenceSizes &sizes, const WheelCase &wheel)
{
    if (wheel.drawn != wheel.match || wheel.match == wheel.pick)
        return std::nullopt;
    const auto found = sizes.bestCovering.find({wheel.group, wheel.pick, wheel.match});
    if (found == sizes.bestCovering.end())
        return std::nullopt;
    return found->second;
}

bool meetsCoveringTarget(const WheelCase &wheel, int size, int best)
{
    if (wheel.group <= 15)
        return size <= best;
    return size * 10 <= best * 11;
}

} // namespace wheelgen
