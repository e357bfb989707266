#pragma once

#include <QString>
#include <cstdint>

namespace vx {

// What the player typed on the game definition page, as text, and which answer to "Bonus ball
// picked from main ball pool" is selected.
struct GameDefinitionInput {
    QString name; // Text1
    QString mainDrawn; // Text2
    QString bonusDrawn; // Text3
    QString mainPool; // Text4
    QString bonusPool; // Text6
    QString mainPicked; // Text7
    QString bonusPicked; // Text8
    int bonusSource = 2; // 0 "No" (own pool), 1 "Yes" (main pool), 2 "Bonus Not Used in Draw", -1 none
};

// The number a count box stands for: the number its text begins with, rounded as it will be
// stored (a half to the even neighbour, held inside the 16-bit range).
int16_t countBoxValue(const QString &text);

// Runs the checks of a game definition in their fixed order and returns the message of the first
// that fails, or an empty string when the definition may be saved. The checks compare the values
// as they will be stored, so whatever passes is also what the file receives.
QString checkGameDefinition(const GameDefinitionInput &input);

// True when the name holds only the letters A to Z, a to z and the digits 0 to 9.
bool isValidGameName(const QString &trimmedName);

} // namespace vx
