#include "gamedata/gamevalidation.h"

#include "gamedata/boxvalue.h"

namespace vx {

int16_t countBoxValue(const QString &text)
{
    return RoundToInt16(BoxValue(text));
}

bool isValidGameName(const QString &trimmedName)
{
    for (const QChar c : trimmedName) {
        const char16_t u = c.unicode();
        const bool letter = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
        const bool digit = u >= u'0' && u <= u'9';
        if (!letter && !digit)
            return false;
    }
    return true;
}

QString checkGameDefinition(const GameDefinitionInput &in)
{
    const QString name = in.name.trimmed();
    const int mainDrawn = countBoxValue(in.mainDrawn);
    const int bonusDrawn = countBoxValue(in.bonusDrawn);
    const int mainPool = countBoxValue(in.mainPool);
    const int bonusPool = countBoxValue(in.bonusPool);
    const int mainPicked = countBoxValue(in.mainPicked);
    const int bonusPicked = countBoxValue(in.bonusPicked);
    const bool ownPool = in.bonusSource == 0;
    const bool fromMainPool = in.bonusSource == 1;
    const bool notUsed = in.bonusSource == 2;

    if (name.isEmpty())
        return QStringLiteral("You must enter a Game Name");
    if (!isValidGameName(name))
        return QStringLiteral("You must only use letters in the game name - spaces not allowed!");
    if (mainDrawn > 7 || mainDrawn < 3)
        return QStringLiteral("The number of Main Balls in Draw Result must be between 3 and 7");
    if (mainDrawn == 3 && bonusPool == 0)
        return QStringLiteral("For a Pick 3 game you must have at least one bonus ball from its own pool");
    if (mainDrawn >= mainPool)
        return QStringLiteral("The number of Balls in Main Pool is always greater then the number of balls in draw "
                              "result!");
    if (mainPool > 60)
        return QStringLiteral("60 is the maximum number of Balls in Main Pool!");
    if (bonusPool > 60)
        return QStringLiteral("60 is the maximum number of Balls in Bonus Pool!");
    if (bonusDrawn > 2)
        return QStringLiteral("Maximum number of bonus balls in draw result is 2 (options are: 0, 1 or 2)");
    if (ownPool && bonusDrawn == 0)
        return QStringLiteral("You cannot have no bonus ball in draw result and [No] selected. If there is no "
                              "bonus/extra ball used in the game select [Bonus Not Used in Draw]");
    if (fromMainPool && bonusDrawn == 0)
        return QStringLiteral("You cannot have no bonus ball in draw result and [Yes] selected. If there is no "
                              "bonus/extra ball used in the game select [Bonus Not Used in Draw]");
    if (notUsed && bonusDrawn == 1)
        return QStringLiteral("You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] selected.");
    if (bonusPool == 0 && bonusDrawn == 1 && !fromMainPool)
        return QStringLiteral("If the bonus ball is picked from the main ball pool then you must select [Yes].");
    if (bonusPool > 0 && !ownPool)
        return QStringLiteral("If there is a bonus ball pool, you must slect [No] to indicate that the bonus/extra "
                              "ball is not picked from the main ball pool.");
    if (bonusPool > 0 && bonusDrawn == 0)
        return QStringLiteral("If there is a bonus ball pool, you must have a number of bonus balls in draw result.");
    if (mainDrawn != mainPicked)
        return QStringLiteral("The number of main balls in draw result must be the same as the number of main balls "
                              "picked for entry!.");
    if (bonusPicked == 0 && bonusPool > 0)
        return QStringLiteral("If no bonus ball is picked for the entry, you cannot have a bonus ball pool.");
    if (bonusPicked > 1)
        return QStringLiteral("Only one bonus ball picked for entry is currently allowed.");
    if (bonusPicked > 0 && bonusDrawn == 0)
        return QStringLiteral("You cannot have a bonus/extra ball picked for entry, but none in the draw result.");
    // The checks above bound every count from above only; a negative count would reach the file.
    if (bonusDrawn < 0 || bonusPool < 0 || bonusPicked < 0)
        return QStringLiteral("The numbers of bonus balls cannot be negative.");
    return QString();
}

} // namespace vx
