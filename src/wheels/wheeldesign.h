#pragma once

#include "gamedata/wheeltypes.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Wheel designs: for a wheel type and a group of N balls, the lines of a guaranteed wheel as
// positions 1 to N in the group. They live as text files wheels/P-D-M-N.whl beside the program.
namespace vx {

constexpr int MaxWheelGroup = 20; // positions fit a 32-bit mask, and the check's tables stay small
constexpr qint64 MaxWheelDesignBytes = 1 << 20; // far more than 32,767 lines of seven positions

// Lines are bit masks: position p is bit p - 1.
struct WheelDesign {
    WheelType type;
    int group = 0;
    std::vector<uint32_t> lines;
};

// "6-5-3-12.whl"
QString wheelDesignFileName(const WheelType &type, int group);
// The folder of the designs inside the application folder.
QString wheelDesignFolder(const QString &appFolder);

// The outcome of reading a design: the design, or what is wrong with it in words for the player.
struct WheelDesignRead {
    bool ok = false;
    WheelDesign design;
    QString error;
};

// Reads a design's text: lines starting with '#' are comments; every other non-empty line holds
// type.pick distinct positions from 1 to group in ascending order, single blanks between. A design
// is refused when a line breaks that, when it holds no line at all, or when it does not keep its
// guarantee. `name` stands for the file in messages.
WheelDesignRead parseWheelDesign(const QByteArray &text, const WheelType &type, int group, const QString &name);
// The same for the design file of a type and group size in the application folder.
WheelDesignRead readWheelDesign(const QString &appFolder, const WheelType &type, int group);

// The group sizes from type.pick + 1 to MaxWheelGroup whose design file exists.
std::vector<int> availableWheelGroups(const QString &appFolder, const WheelType &type);

// The first set of `drawn` positions (as a mask, in increasing numeric order of masks) that no line
// meets in at least `match` positions; 0 when the lines keep the guarantee for every such set.
// Lines with positions beyond the group are taken as they are.
uint32_t firstUncoveredSet(int group, int drawn, int match, const std::vector<uint32_t> &lines);

} // namespace vx
