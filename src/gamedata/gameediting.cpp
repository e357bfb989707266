#include "gamedata/gameediting.h"

#include "gamedata/entryfiles.h"
#include "gamedata/filemessages.h"
#include "gamedata/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx {

void applyGameDefinition(GameDefinition &g, const GameDefinitionInput &in)
{
    g.setName(in.name.trimmed());
    g.mainDrawn = countBoxValue(in.mainDrawn);
    g.bonusPool = countBoxValue(in.bonusPool);
    g.mainPool = countBoxValue(in.mainPool);
    g.bonusDrawn = countBoxValue(in.bonusDrawn);
    g.mainPicked = countBoxValue(in.mainPicked);
    g.bonusPicked = countBoxValue(in.bonusPicked);
    if (in.bonusSource >= 0 && in.bonusSource <= 2)
        g.bonusSource = static_cast<int16_t>(in.bonusSource);
}

QString applyPreferences(GameDefinition &g, const PreferencesInput &in)
{
    GameDefinition changed = g;
    changed.ballColour = in.redMainBalls ? 1 : 0;
    if (!in.presetTag.isEmpty())
        changed.setBonusTag(in.presetTag);
    if (in.otherTag) {
        const QString tag = in.tag.trimmed();
        if (tag.size() != 2)
            return QStringLiteral(
                "You must enter a two character identity for the extra/bonus ball on your Preferences options");
        changed.setBonusTag(tag.toUpper());
        const QString name = in.name.trimmed();
        if (name.isEmpty())
            return QStringLiteral("You must enter a name for the extra/bonus ball on your Preferences option");
        changed.setBonusName(name);
    } else {
        changed.setBonusName(QString());
    }
    g = changed;
    return QString();
}

QString gameFileSaveFailedMessage(const QString &path, const QString &reason)
{
    return sentences({QStringLiteral("The game definition could not be saved"), cannotWriteFile(path, reason),
        QStringLiteral("Nothing was changed in it")});
}

GameFileSave updateGameFile(
    const QString &path, const std::function<QString(GameDefinition &)> &change, bool startEmpty)
{
    GameFileSave result;
    GameDefinition definition;
    if (!startEmpty) {
        const GameFileRead read = readGameDefinition(path);
        if (read.status == GameFileStatus::OpenFailed) {
            // Writing a blank record over a file that could not be read would lose its other pages.
            result.status = GameFileSave::Status::Failed;
            result.message = gameFileSaveFailedMessage(path, read.error);
            return result;
        }
        definition = read.definition;
    }
    const QString refusal = change(definition);
    if (!refusal.isEmpty()) {
        result.status = GameFileSave::Status::Refused;
        result.message = refusal;
        return result;
    }
    QString error;
    if (!writeGameDefinition(path, definition, &error)) {
        result.status = GameFileSave::Status::Failed;
        result.message = gameFileSaveFailedMessage(path, error);
    }
    return result;
}

QStringList deleteAmendedGameFiles(const QString &folder, const QString &definitionFileName, const QString &gameName)
{
    QStringList failed;
    // Paths are built as plain text: QDir would take a name beginning with ":" for a resource.
    const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    auto remove = [&](const QString &name) {
        const QString path = dataPath(folder, name);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            failed << name;
    };

    remove(definitionFileName);
    if (gameName.isEmpty())
        return failed;
    remove(historyFileName(gameName));

    // The name is matched as plain text, so characters of a damaged name cannot act as wildcards.
    const QString standing = standingEntryFileName(gameName);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : files) {
        if (name.startsWith(gameName) && name.endsWith(QLatin1String(".lot")) && name != standing)
            remove(name);
    }
    return failed;
}

} // namespace vx
