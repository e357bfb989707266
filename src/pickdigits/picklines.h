#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

// The lines of the Pick 3 and Pick 4 games: three or four digits from 0 to 9, played in order.
namespace vx {

// d1 to d4; a Pick 3 line uses d1 to d3 and keeps d4 at 0.
using PickLine = std::array<int16_t, 4>;

// The most lines one list (and so one file) holds.
constexpr int MaxPickLines = 32767;

// True for the two games: 3 and 4.
bool isPickType(int pickType);

// A box's digit: its text without surrounding blanks must be one digit from 0 to 9.
std::optional<int16_t> parsePickDigit(const QString &text);

// The list text of a line: the digits joined by single blanks ("1 2 0" or "1 2 0 1").
QString pickLineText(const PickLine &line, int pickType);

// True when every used digit is 0 to 9 (a Pick 3 line's d4 is not looked at).
bool isSoundPickLine(const PickLine &line, int pickType);

// Straight: the same digits in the same order.
bool isStraight(const PickLine &line, const PickLine &draw, int pickType);
// Box: the same digits in any order, each digit as often in the line as in the draw.
bool isBox(const PickLine &line, const PickLine &draw, int pickType);

enum class PickWin { None, Straight, Box };

// The kind of win of a line; a straight is the better win, so it is the one reported.
PickWin checkPickLine(const PickLine &line, const PickLine &draw, int pickType);

// The winning-lines text: the line followed by " STRAIGHT" or " BOX".
QString winningLineText(const PickLine &line, PickWin win, int pickType);

// A line of random digits. The caller reseeds the generator once per request.
PickLine randomPickLine(int pickType);

} // namespace vx
