#pragma once

#include "gamedata/numbersfile.h"
#include "wheels/wheeldesign.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// The wheel engine: a group of balls laid on a design's lines becomes the entries of a wheel file.
namespace vx {

// The balls of a history ranked for a group: every ball from 1 to maxBall that was drawn as a main
// number, the most drawn first, balls drawn equally often by their numbers.
std::vector<int16_t> rankDrawnBalls(const std::vector<NumbersRecord> &draws, int maxBall);

// Fills the group up to `size` with balls from 1 to maxBall that it does not hold yet, drawn from
// the shared generator after reseeding it from the time of day. A full group is left alone and
// the generator untouched.
void padGroup(std::vector<int16_t> &group, int size, int maxBall);

// The group typed in the boxes: each box empty (0 in balls) or one whole number from 1 to maxBall
// (taken as 60 when larger), and no ball twice. fault says what is wrong, for the player, and is
// empty when nothing is.
struct TypedGroup {
    std::vector<int16_t> balls;
    QString fault;
};
TypedGroup readTypedGroup(const QStringList &boxes, int maxBall);

// What an entry's extra number is.
struct WheelExtraRule {
    enum class Kind {
        None, // the game picks no extra: 0
        OwnPool, // from 1 to pool, the game's own bonus pool
        MainPool // from 1 to pool, the main pool, and none of the entry's main numbers
    };
    Kind kind = Kind::None;
    int16_t pool = 0;
};

// The entries of a wheel: one per design line, its main numbers the group's balls at the line's
// positions in ascending order, its extra by the rule, drawn from `random` (values in [0, 1)) line by
// line. Every record carries the number of entries in its count field; the other fields are 0.
std::vector<NumbersRecord> wheelEntries(const WheelDesign &design, const std::vector<int16_t> &group,
    const WheelExtraRule &extra, const std::function<float()> &random);

// Writes the entries as the whole wheel entry file, replacing an older one only once written.
FileResult saveWheelFile(const QString &path, const std::vector<NumbersRecord> &entries);

// The lines of a wheel's cover sheet.
struct WheelCover {
    QString listName; // after "Wheel for "
    QString entryFileName; // the wheel entry file, without folder
    WheelType type;
    std::vector<int16_t> group;
    int lines = 0;
};
QStringList coverSheetLines(const WheelCover &cover);

} // namespace vx
