#pragma once

#include <QString>
#include <array>
#include <cstdint>

// What each kind of work needs of the current game. CurrentGame derives every one of them, so no
// window assembles them from loose values.
namespace vx {

// The prize categories 1 to 15 in the order of WinLines: the main matches each needs and whether
// it needs the bonus (index 0 unused).
struct PrizeCategory {
    int matches;
    bool bonus;
};
inline constexpr std::array<PrizeCategory, 16> PrizeCategories
    = {{{-1, false}, {7, false}, {6, true}, {6, false}, {5, true}, {5, false}, {4, true}, {4, false}, {3, true},
        {3, false}, {2, true}, {2, false}, {1, true}, {1, false}, {0, true}, {0, false}}};

// What a check of entries against a draw needs.
struct CheckRules {
    int16_t mainDrawn = 0;
    int16_t bonusDrawn = 0;
    int16_t bonusPool = 0;
    std::array<int16_t, 16> winLines {}; // 1 to 15
    QString bonusTag;
};

// The shape of an entry as the entry windows see it.
struct EntryRules {
    int mainPicked = 0; // main numbers per entry (3 to 7)
    int bonusPicked = 0; // 0 or 1
    int mainPool = 0;
    int bonusPool = 0; // 0: a picked bonus comes from the main pool
};

// The shape of a draw as the result window sees it.
struct ResultRules {
    int mainDrawn = 0; // 3 to 7
    int bonusDrawn = 0; // 0 to 2
    int mainPool = 0;
    int bonusSource = 0; // 0 own pool, 1 from the main pool, 2 not used
    int bonusPool = 0;
};

// What the computer-suggested entries need.
struct SuggestionGame {
    int mainDrawn = 0; // numbers per suggested entry, 3 to 7
    int mainPool = 0;
    int bonusPool = 0; // 0: no extra number is suggested
};

} // namespace vx
