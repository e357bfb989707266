// wheelreport: every shipped design's size beside the reference sizes, with a summary per type.
// Exits 1 when a design is missing, fails its check or is larger than its reachable size.
//
//   wheelreport [--wheels FOLDER] [--reference FOLDER]
#include "referencesizes.h"
#include "wheelcases.h"
#include "wheels/wheeldesign.h"

#include <QFile>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>

using namespace wheelgen;

namespace {

struct TypeSummary {
    int designs = 0;
    int atOrBelowReachable = 0;
    int belowReachable = 0;
    int covering = 0;
    int atOrBelowBest = 0;
    int meetingTarget = 0;
    double worstCoveringRatio = 0;
};

std::string typeName(const WheelCase &wheel)
{
    return std::to_string(wheel.pick) + "-" + std::to_string(wheel.drawn) + "-" + std::to_string(wheel.match);
}

std::string ratioText(double ratio)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3f", ratio);
    return buffer;
}

} // namespace

int main(int argc, char **argv)
{
    std::string wheels = "wheels";
    std::string reference = "../shared/wheels";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--wheels")
            wheels = argv[i + 1];
        else if (arg == "--reference")
            reference = argv[i + 1];
    }
    std::string error;
    const std::optional<ReferenceSizes> sizes = readReferenceSizes(reference, &error);
    if (!sizes) {
        std::cerr << error << "\n";
        return 2;
    }

    bool failed = false;
    std::map<std::string, TypeSummary> summaries;
    std::vector<std::string> order;
    std::vector<std::string> short_;
    std::printf("%-10s %6s %9s %7s %9s %7s  %s\n", "design", "lines", "reachable", "ratio", "best", "ratio", "note");
    for (const WheelCase &wheel : shippedCases()) {
        const std::string name = caseName(wheel);
        const std::string type = typeName(wheel);
        if (!summaries.count(type))
            order.push_back(type);
        TypeSummary &summary = summaries[type];
        QFile file(QString::fromStdString(wheels + "/" + name + ".whl"));
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("%-10s %6s  missing\n", name.c_str(), "-");
            failed = true;
            continue;
        }
        const vx::WheelDesignRead read = vx::parseWheelDesign(file.readAll(),
            vx::WheelType {static_cast<int16_t>(wheel.pick), static_cast<int16_t>(wheel.drawn),
                static_cast<int16_t>(wheel.match), 0},
            wheel.group, QString::fromStdString(name + ".whl"));
        if (!read.ok) {
            std::printf("%-10s %6s  %s\n", name.c_str(), "-", read.error.toStdString().c_str());
            failed = true;
            continue;
        }
        const int size = static_cast<int>(read.design.lines.size());
        ++summary.designs;
        std::string note;
        const std::optional<int> reachable = reachableSize(*sizes, wheel);
        std::string reachableText = "-";
        std::string reachableRatio = "-";
        if (reachable) {
            reachableText = std::to_string(*reachable);
            reachableRatio = ratioText(static_cast<double>(size) / *reachable);
            summary.atOrBelowReachable += size <= *reachable;
            summary.belowReachable += size < *reachable;
            if (size > *reachable) {
                note += "LARGER THAN REACHABLE ";
                failed = true;
            }
        }
        const std::optional<int> best = bestCoveringSize(*sizes, wheel);
        std::string bestText = "-";
        std::string bestRatio = "-";
        if (best) {
            const double ratio = static_cast<double>(size) / *best;
            bestText = std::to_string(*best);
            bestRatio = ratioText(ratio);
            ++summary.covering;
            summary.atOrBelowBest += size <= *best;
            summary.worstCoveringRatio = std::max(summary.worstCoveringRatio, ratio);
            if (meetsCoveringTarget(wheel, size, *best)) {
                ++summary.meetingTarget;
            } else {
                note += wheel.group <= 15 ? "above best known " : "over 10% above best known ";
                short_.push_back(name + " " + std::to_string(size) + " (best known " + bestText + ")");
            }
            if (size < *best)
                note += "below best known ";
        }
        std::printf("%-10s %6d %9s %7s %9s %7s  %s\n", name.c_str(), size, reachableText.c_str(),
            reachableRatio.c_str(), bestText.c_str(), bestRatio.c_str(), note.c_str());
    }

    std::printf("\n%-6s %7s %20s %16s %22s %18s\n", "type", "designs", "at/below reachable", "below reachable",
        "covering: at/below best", "within target");
    for (const std::string &type : order) {
        const TypeSummary &s = summaries[type];
        std::string coveringText = "-";
        std::string targetText = "-";
        if (s.covering > 0) {
            coveringText = std::to_string(s.atOrBelowBest) + "/" + std::to_string(s.covering) + " (worst "
                + ratioText(s.worstCoveringRatio) + ")";
            targetText = std::to_string(s.meetingTarget) + "/" + std::to_string(s.covering);
        }
        std::printf("%-6s %7d %20s %16d %22s %18s\n", type.c_str(), s.designs,
            (std::to_string(s.atOrBelowReachable) + "/" + std::to_string(s.designs)).c_str(), s.belowReachable,
            coveringText.c_str(), targetText.c_str());
    }
    if (!short_.empty()) {
        std::printf("\nCovering designs short of the target (best known up to 15 balls, within 10%% beyond):\n");
        for (const std::string &line : short_)
            std::printf("  %s\n", line.c_str());
    }
    std::printf("\n%s\n",
        failed ? "FAILED: a design is missing, broken or larger than its reachable size"
               : "every design is verified and no larger than its reachable size");
    return failed ? 1 : 0;
}
