#include "gamedata/sharedstate.h"

namespace vx {

CurrentGame CurrentGame::fromDefinition(int16_t gameNumber, const GameDefinition &g)
{
    CurrentGame game;
    game.GameNumber = gameNumber;
    game.GameFile = paddedGameFileName(gameNumber);
    game.GameName = g.nameText();
    game.MainDrawn = g.mainDrawn;
    game.BonusDrawn = g.bonusDrawn;
    game.MainPool = g.mainPool;
    game.BonusSource = g.bonusSource;
    game.BonusPool = g.bonusPool;
    game.MainPicked = g.mainPicked;
    game.BonusPicked = g.bonusPicked;
    for (size_t k = 1; k <= 15; ++k)
        game.WinLines[k] = g.winLines[k];
    for (size_t d = 1; d <= 7; ++d)
        game.DrawDays[d] = g.drawDays[d];
    game.BallColour = g.ballColour;
    game.BonusTag = g.bonusTagText();
    if (g.bonusName[0] != '\0' && g.bonusName[0] != ' ')
        game.BonusName = g.bonusNameText();
    if (game.BonusName.isEmpty()) {
        if (game.BonusTag == QLatin1String("EB"))
            game.BonusName = QStringLiteral("Extra Ball");
        else if (game.BonusTag == QLatin1String("BB"))
            game.BonusName = QStringLiteral("Bonus Ball");
        else if (game.BonusTag == QLatin1String("PB"))
            game.BonusName = QStringLiteral("Powerball");
        else if (game.BonusTag == QLatin1String("MB"))
            game.BonusName = QStringLiteral("Mega Ball");
    }
    if (game.BonusName.isEmpty()) {
        game.BonusName = QStringLiteral("Bonus Ball");
        game.BonusTag = QStringLiteral("BB");
    }
    return game;
}

CheckRules CurrentGame::checkRules() const
{
    return {MainDrawn, BonusDrawn, BonusPool, WinLines, BonusTag};
}

EntryRules CurrentGame::entryRules() const
{
    return {MainPicked, BonusPicked, MainPool, BonusPool};
}

ResultRules CurrentGame::resultRules() const
{
    return {MainDrawn, BonusDrawn, MainPool, BonusSource, BonusPool};
}

SuggestionGame CurrentGame::suggestionGame() const
{
    return {MainDrawn, MainPool, BonusPool};
}

QString MonthName(const MonthNameTable &names, int n)
{
    if (n < 1 || n > 12)
        return QString();
    return names[static_cast<size_t>(n)];
}

QString dataPath(const QString &appFolder, const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return appFolder + QLatin1Char('/') + name;
}

} // namespace vx
