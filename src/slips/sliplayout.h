#pragma once

#include "gamedata/sharedstate.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace vx {

// A place on the paper in millimetres from its top-left corner, or an offset in millimetres.
struct MmPoint {
    float x = 0;
    float y = 0;
    bool operator==(const MmPoint &) const = default;
};

// Where a game's numbers lie on the lottery's bet slip. A slip holds boardsPerSlip boards, each with
// its origin on the paper; every number's box lies at its position from the origin of its board.
// A mark is a straight line markLength long through the box's centre, markWidth thick, across the
// slip (orientation 0) or down it (orientation 1).
struct SlipLayout {
    static constexpr int MaxBoards = 12;
    static constexpr float MaxMm = 400; // no slip is longer or wider
    static constexpr float MaxMarkWidth = 10;
    static constexpr float MaxMarkLength = 30;
    static constexpr int MaxPool = 99;

    int boardsPerSlip = 1;
    int orientation = 0;
    float markWidth = 0.5f;
    float markLength = 3;
    std::vector<MmPoint> boardOrigins; // one per board
    std::vector<MmPoint> mainPositions; // number n at n - 1
    std::vector<MmPoint> bonusPositions;

    bool operator==(const SlipLayout &) const = default;

    // The whole layout moved on the paper by an offset.
    SlipLayout shifted(float dxMm, float dyMm) const;
    // What is wrong with the values (a clear sentence), empty when every value can be printed.
    QString problem() const;
};

// The file of a game's layout: "<GameName>.dat" in the application folder.
QString slipLayoutPath(const QString &appFolder, const QString &gameName);
// A game named like another file of the folder ("game1" ... "game6", "print") would have its
// layout overwrite that file: the sentence saying so, empty when the name is free.
QString slipLayoutNameClash(const QString &gameName);

// How many bonus boxes a game's slip has: its bonus pool, the main pool when a picked bonus comes
// from the main pool, none when no bonus is picked.
int slipBonusPool(const CurrentGame &game);

// The layout with as many main and bonus boxes as the pools have: boxes beyond a pool are dropped,
// missing ones placed as a fresh layout places them.
SlipLayout fittedToPools(SlipLayout layout, int mainPool, int bonusPool);
// A fresh layout for a pool: one board at 10 mm, the numbers in rows of ten, 5 mm apart.
SlipLayout defaultSlipLayout(int mainPool, int bonusPool);
// Positions of count boxes in rows of `columns`, the first at start, step apart.
std::vector<MmPoint> gridPositions(int count, int columns, MmPoint start, MmPoint step);

// The file's bytes and back. parseSlipLayout gives nothing, with the reason, for bytes that are not
// a whole sound layout.
QByteArray slipLayoutBytes(const SlipLayout &layout);
std::optional<SlipLayout> parseSlipLayout(const QByteArray &bytes, QString *problem);

// Reads a layout file; a missing or damaged file gives nothing and a message naming it.
std::optional<SlipLayout> readSlipLayout(const QString &path, QString *message);
// Writes the whole file at once, so a failure leaves the old one. False with a message.
bool saveSlipLayout(const QString &path, const SlipLayout &layout, QString *message);

} // namespace vx
