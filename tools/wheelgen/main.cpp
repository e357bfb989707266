// wheelgen: makes the guaranteed wheel designs shipped in wheels/. See README.md.
#include "coversearch.h"
#include "orbitcover.h"
#include "wheelcases.h"
#include "wheels/wheeldesign.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace wheelgen;
namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path folder = "wheels";
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    uint64_t seed = 1;
    uint64_t millionWork = 200;
    bool restart = false;
    bool progress = false; // say every smaller wheel found, written or not
    SearchOptions search;
    std::vector<std::string> only;
    GroupChoice symmetry; // a group to search over orbits of first, when it has cycles
    bool sweepGroups = false; // --symmetry auto: every group of the sweep, each a run of its own
};

std::mutex printLock;

void say(const std::string &text)
{
    std::lock_guard lock(printLock);
    std::cout << text << std::endl;
}

vx::WheelType wheelType(const WheelCase &wheel)
{
    return vx::WheelType {
        static_cast<int16_t>(wheel.pick), static_cast<int16_t>(wheel.drawn), static_cast<int16_t>(wheel.match), 0};
}

std::string readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Existing {
    bool ok = false;
    size_t size = 0;
    std::vector<uint32_t> lines;
    double seconds = 0;
};

Existing readExisting(const fs::path &path, const WheelCase &wheel)
{
    Existing existing;
    if (!fs::exists(path))
        return existing;
    const std::string text = readAll(path);
    const vx::WheelDesignRead read = vx::parseWheelDesign(QByteArray::fromStdString(text), wheelType(wheel),
        wheel.group, QString::fromStdString(path.filename().string()));
    if (!read.ok) {
        say(caseName(wheel) + ": the existing design is refused (" + read.error.toStdString() + "); it is replaced");
        return existing;
    }
    existing.ok = true;
    existing.lines = read.design.lines;
    existing.size = existing.lines.size();
    existing.seconds = recordedSeconds(text);
    return existing;
}

// Verifies the lines exhaustively and, when they keep the guarantee, writes them through a
// temporary file, so that a stopped run never leaves half a design.
bool writeVerified(const fs::path &path, const WheelCase &wheel, const std::vector<uint32_t> &lines,
    const std::vector<std::string> &comments)
{
    if (vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, lines) != 0) {
        say(caseName(wheel) + ": a found design failed the exhaustive check; not written");
        return false;
    }
    // Another run may have written a smaller design since this one read it; runs of one case in
    // this process write one at a time.
    static std::mutex writeLock;
    std::lock_guard lock(writeLock);
    const Existing now = readExisting(path, wheel);
    if (now.ok && now.size <= lines.size())
        return false;
    const std::string text = designText(comments, lines);
    const vx::WheelDesignRead again
        = vx::parseWheelDesign(QByteArray::fromStdString(text), wheelType(wheel), wheel.group, QStringLiteral("check"));
    if (!again.ok || again.design.lines.size() != lines.size()) {
        say(caseName(wheel) + ": a written design does not read back; not written");
        return false;
    }
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            return false;
    }
    fs::rename(temporary, path);
    return true;
}

std::string secondsText(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", seconds);
    return buffer;
}

// One case, first over orbits of `symmetry` when it has cycles.
void runCase(const WheelCase &wheel, const Options &options, const GroupChoice &symmetry)
{
    const auto started = std::chrono::steady_clock::now();
    const fs::path path = options.folder / (caseName(wheel) + ".whl");
    const Existing existing = readExisting(path, wheel);
    const std::string title = std::to_string(wheel.pick) + "-" + std::to_string(wheel.drawn) + "-"
        + std::to_string(wheel.match) + " wheel on " + std::to_string(wheel.group) + " positions";
    auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count(); };

    if (wheel.match == wheel.pick) {
        if (!existing.ok) {
            const std::vector<uint32_t> lines = allLines(wheel.group, wheel.pick);
            writeVerified(path, wheel, lines,
                {title + ": " + std::to_string(lines.size()) + " lines", "method: every combination (full wheel)",
                    "seed: none", "seconds: " + secondsText(elapsed())});
        }
        say(caseName(wheel) + ": full wheel");
        return;
    }

    const std::vector<uint32_t> greedy = greedyWheel(wheel);
    size_t shipped = existing.ok ? existing.size : 0;
    if (!existing.ok || greedy.size() < existing.size) {
        if (writeVerified(path, wheel, greedy,
                {title + ": " + std::to_string(greedy.size()) + " lines", "method: greedy", "seed: none",
                    "seconds: " + secondsText(elapsed())}))
            shipped = greedy.size();
    }
    const bool resume = existing.ok && existing.size <= greedy.size() && !options.restart;
    std::vector<uint32_t> start = resume ? existing.lines : greedy;
    double priorSeconds = resume ? existing.seconds : 0;
    std::string startText = resume ? "the previous design of " + std::to_string(start.size()) + " lines"
                                   : "the greedy wheel of " + std::to_string(greedy.size()) + " lines";

    SearchOptions search = options.search;
    search.seed = caseSeed(options.seed, wheel);
    const std::string seedText
        = "seed: " + std::to_string(options.seed) + " (this case's stream: " + std::to_string(search.seed) + ")";
    // The budget is work rather than moves: a move of a lotto type looks at thousands of sets, one of a
    // covering type at a few. Wheels of many lines need as many more moves to repair, which their
    // moves' scan over every line stretches in time.
    search.moveBudget = options.millionWork * 1000000 / (setsPerSwap(wheel) + 16);
    // A smaller wheel from either search: said when asked, written when smaller than the file.
    auto offer
        = [&](const std::vector<uint32_t> &lines, const std::string &what, const std::string &method, double seconds) {
              if (options.progress)
                  say(caseName(wheel) + ": " + std::to_string(lines.size()) + " " + what + " (" + secondsText(elapsed())
                      + " s)");
              if (shipped != 0 && lines.size() >= shipped)
                  return;
              if (writeVerified(path, wheel, lines,
                      {title + ": " + std::to_string(lines.size()) + " lines", "method: " + method,
                          seedText + ", moves without progress before stopping: " + std::to_string(search.moveBudget),
                          "seconds: " + secondsText(seconds)}))
                  shipped = lines.size();
          };
    if (!symmetry.cycles.empty()) {
        const std::string groupText = describeGroup(symmetry);
        const std::string symmetricText = "orbits of " + groupText
            + " on the first positions, as a set cover of the orbits of drawn sets: greedy over orbits, then weighted"
              " local search holding the lines one below the best (add the orbit covering the most uncovered weight"
              " per line, take out those losing the least)";
        const PositionGroup positions = groupOf(symmetry, wheel.group);
        const std::vector<uint32_t> symmetric = orbitCoverWheel(wheel, positions, search,
            [&](const std::vector<uint32_t> &lines) { offer(lines, "orbit lines", symmetricText, elapsed()); });
        say(caseName(wheel) + ": orbits of " + groupText + " give " + std::to_string(symmetric.size()) + " lines ("
            + secondsText(elapsed()) + " s)");
        if (symmetric.size() < start.size()) {
            start = symmetric;
            priorSeconds = 0;
            startText = "the design of " + std::to_string(start.size()) + " lines from orbits of " + groupText;
        }
    }

    const std::string methodText = search.method == RepairMethod::Anneal
        ? "simulated annealing"
        : "weighted local search (tenure " + std::to_string(search.tenure)
            + (search.candidateLines > 0 ? ", " + std::to_string(search.candidateLines) + " candidate lines" : "")
            + ")";
    const std::string shrinkText = methodText + " from " + startText
        + ": drop the line that alone covers the fewest sets, repair with one-position swaps";
    const std::vector<uint32_t> best = shrinkWheel(wheel, start, search,
        [&](const std::vector<uint32_t> &lines) { offer(lines, "lines", shrinkText, priorSeconds + elapsed()); });
    say(caseName(wheel) + ": greedy " + std::to_string(greedy.size()) + ", start " + std::to_string(start.size())
        + ", now " + std::to_string(shipped) + " (" + secondsText(elapsed()) + " s)");
}

bool selected(const WheelCase &wheel, const Options &options)
{
    if (options.only.empty())
        return true;
    const std::string name = caseName(wheel);
    for (const std::string &wanted : options.only)
        if (name == wanted || name.rfind(wanted + "-", 0) == 0)
            return true;
    return false;
}

void usage()
{
    std::cerr << "usage: wheelgen [--wheels FOLDER] [-j JOBS] [--seed N] [--work MILLIONS] [--restart] [--progress]\n"
                 "                [--only P-D-M[-N],...] [--method weighted|anneal] [--tenure MOVES]\n"
                 "                [--candidates LINES]\n"
                 "                [--temperature START END] [--sweep MOVES] [--symmetry CYCLE,CYCLE,...|auto]\n"
                 "                [--multiplier M (with --symmetry LENGTH)]\n";
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--wheels")
            options.folder = value();
        else if (arg == "-j")
            options.jobs = static_cast<unsigned>(std::max(1, std::atoi(value().c_str())));
        else if (arg == "--seed")
            options.seed = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--work")
            options.millionWork = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--temperature") {
            options.search.startTemperature = std::strtod(value().c_str(), nullptr);
            options.search.endTemperature = std::strtod(value().c_str(), nullptr);
        } else if (arg == "--method") {
            const std::string method = value();
            if (method != "anneal" && method != "weighted") {
                usage();
                return 2;
            }
            options.search.method = method == "anneal" ? RepairMethod::Anneal : RepairMethod::Weighted;
        } else if (arg == "--tenure")
            options.search.tenure = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--candidates")
            options.search.candidateLines = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--sweep")
            options.search.sweepMoves = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--symmetry") {
            const std::string text = value();
            options.sweepGroups = text == "auto";
            std::stringstream list(options.sweepGroups ? std::string() : text);
            for (std::string length; std::getline(list, length, ',');)
                options.symmetry.cycles.push_back(std::atoi(length.c_str()));
        } else if (arg == "--multiplier")
            options.symmetry.multiplier = std::atoi(value().c_str());
        else if (arg == "--restart")
            options.restart = true;
        else if (arg == "--progress")
            options.progress = true;
        else if (arg == "--only") {
            std::stringstream list(value());
            for (std::string name; std::getline(list, name, ',');)
                options.only.push_back(name);
        } else {
            usage();
            return 2;
        }
    }
    if (!options.symmetry.cycles.empty() && !validGroupChoice(options.symmetry, 20)) {
        std::cerr << "wheelgen: --symmetry needs cycle lengths of 1 or more, moving at most 20 positions;"
                     " --multiplier needs one cycle, prime to its length and not 1 modulo it\n";
        return 2;
    }
    fs::create_directories(options.folder);

    std::vector<WheelCase> cases;
    for (const WheelCase &wheel : shippedCases())
        if (selected(wheel, options))
            cases.push_back(wheel);
    // The large groups and the lotto types first: their moves cost the most, so they start early.
    std::stable_sort(cases.begin(), cases.end(), [](const WheelCase &a, const WheelCase &b) {
        return std::pair(a.group, a.drawn - a.match) > std::pair(b.group, b.drawn - b.match);
    });

    // A run is a case with one group (or none); a sweep runs each case with every group of its size.
    struct Run {
        WheelCase wheel;
        GroupChoice symmetry;
    };
    std::vector<Run> runs;
    for (const WheelCase &wheel : cases) {
        if (!options.sweepGroups) {
            if (validGroupChoice(options.symmetry, wheel.group) || options.symmetry.cycles.empty())
                runs.push_back({wheel, options.symmetry});
            else
                say(caseName(wheel) + ": the group does not fit in " + std::to_string(wheel.group) + " positions");
            continue;
        }
        for (const GroupChoice &symmetry : sweepGroups(wheel.group))
            runs.push_back({wheel, symmetry});
    }

    std::atomic<size_t> next {0};
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < std::min<size_t>(options.jobs, runs.size()); ++j)
        workers.emplace_back([&] {
            for (size_t i = next++; i < runs.size(); i = next++)
                runCase(runs[i].wheel, options, runs[i].symmetry);
        });
    for (std::thread &worker : workers)
        worker.join();
    return 0;
}
