#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace vx {

// What a check needs of the game.
struct CheckRules {
    int16_t mainDrawn = 0;
    int16_t bonusDrawn = 0;
    int16_t bonusPool = 0;
    std::array<int16_t, 16> winLines {}; // 1 to 15
    QString bonusTag;
};

// The current game's rules.
CheckRules currentCheckRules();

// Numbers indexed 1 to 9: Main 1 to 7, Extra 1, Extra 2 (index 0 unused).
using CheckNumbers = std::array<int16_t, 10>;

struct CheckOutcome {
    int category = 0; // 1 to 15, 0 for no win
    bool playsSound = false; // the category's sound condition holds
    int mainMatches = 0;
    bool bonusHit = false;
};

// Classifies entries against one draw. Prepared once per draw, so that checking thousands of
// entries costs a few bit operations each.
class DrawChecker
{
public:
    DrawChecker(const CheckNumbers &draw, const CheckRules &rules);
    CheckOutcome classify(const CheckNumbers &entry) const;

private:
    int mainMatches(const CheckNumbers &entry) const;
    bool extraHit(const CheckNumbers &entry, int extraIndex) const;

    CheckNumbers m_draw;
    CheckRules m_rules;
    int m_mainCount; // main positions compared, 0 to 7
    uint64_t m_mask = 0;
    bool m_useMask = false;
};

// The label a category shows in the winning-lines list: "(6)", "(6+PB)", "(0)".
QString categoryLabel(int category, const QString &bonusTag);

// True when at least one of the categories 1 to 15 is enabled.
bool anyWinLine(const std::array<int16_t, 16> &winLines);

} // namespace vx
