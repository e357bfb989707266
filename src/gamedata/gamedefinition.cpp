#include "gamedata/gamedefinition.h"

#include "gamedata/recordfile.h"

#include <QFileInfo>
#include <cstring>

namespace vx {

GameDefinition GameDefinition::fromBytes(const char *b)
{
    GameDefinition g;
    std::memcpy(g.name.data(), b, 12);
    g.mainDrawn = getInt16(b + 12);
    g.bonusDrawn = getInt16(b + 14);
    g.mainPool = getInt16(b + 16);
    g.bonusSource = getInt16(b + 18);
    g.bonusPool = getInt16(b + 20);
    g.mainPicked = getInt16(b + 22);
    g.bonusPicked = getInt16(b + 24);
    for (int i = 0; i < 16; ++i)
        g.winLines[static_cast<size_t>(i)] = getInt16(b + 26 + 2 * i);
    for (int i = 0; i < 8; ++i)
        g.drawDays[static_cast<size_t>(i)] = getInt16(b + 58 + 2 * i);
    g.ballColour = getInt16(b + 74);
    std::memcpy(g.bonusTag.data(), b + 76, 2);
    std::memcpy(g.bonusName.data(), b + 78, 10);
    return g;
}

QByteArray GameDefinition::toBytes() const
{
    QByteArray bytes(Size, '\0');
    char *b = bytes.data();
    std::memcpy(b, name.data(), 12);
    putInt16(b + 12, mainDrawn);
    putInt16(b + 14, bonusDrawn);
    putInt16(b + 16, mainPool);
    putInt16(b + 18, bonusSource);
    putInt16(b + 20, bonusPool);
    putInt16(b + 22, mainPicked);
    putInt16(b + 24, bonusPicked);
    for (int i = 0; i < 16; ++i)
        putInt16(b + 26 + 2 * i, winLines[static_cast<size_t>(i)]);
    for (int i = 0; i < 8; ++i)
        putInt16(b + 58 + 2 * i, drawDays[static_cast<size_t>(i)]);
    putInt16(b + 74, ballColour);
    std::memcpy(b + 76, bonusTag.data(), 2);
    std::memcpy(b + 78, bonusName.data(), 10);
    return bytes;
}

namespace {
QString trimmedField(const char *p, int width)
{
    QString text = getText(p, width);
    // A never-saved record holds NULs where a saved one holds spaces; neither is part of the name.
    while (!text.isEmpty() && (text.back() == QLatin1Char(' ') || text.back() == QChar(0)))
        text.chop(1);
    while (!text.isEmpty() && (text.front() == QLatin1Char(' ') || text.front() == QChar(0)))
        text.remove(0, 1);
    return text;
}
} // namespace

QString GameDefinition::nameText() const
{
    return trimmedField(name.data(), 12);
}

void GameDefinition::setName(const QString &text)
{
    putText(name.data(), 12, text.left(12));
}

QString GameDefinition::bonusTagText() const
{
    return getText(bonusTag.data(), 2);
}

void GameDefinition::setBonusTag(const QString &text)
{
    putText(bonusTag.data(), 2, text.left(2));
}

QString GameDefinition::bonusNameText() const
{
    return getText(bonusName.data(), 10);
}

void GameDefinition::setBonusName(const QString &text)
{
    putText(bonusName.data(), 10, text.left(10));
}

QString gameFileName(int gameNumber)
{
    return QStringLiteral("game%1.dat").arg(gameNumber);
}

QString paddedGameFileName(int gameNumber)
{
    return gameFileName(gameNumber).leftJustified(12, QLatin1Char(' '));
}

GameFileRead readGameDefinition(const QString &path)
{
    GameFileRead result;
    RecordFile file(GameDefinition::Size);
    if (!file.open(path)) {
        result.status = GameFileStatus::OpenFailed;
        result.error = file.errorString();
        return result;
    }
    result.length = file.byteLength();
    result.definition = GameDefinition::fromBytes(file.read(1).constData());
    if (result.length == 0)
        result.status = GameFileStatus::Empty;
    else if (result.length != GameDefinition::Size)
        result.status = GameFileStatus::WrongLength;
    else
        result.status = GameFileStatus::Ok;
    return result;
}

bool writeGameDefinition(const QString &path, const GameDefinition &definition, QString *error)
{
    RecordFile file(GameDefinition::Size);
    if (!file.open(path) || !file.replaceRecord(1, definition.toBytes())) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString damagedGameFileMessage(const QString &path, qint64 length)
{
    return QStringLiteral("The game file %1 is damaged: it is %2 bytes long instead of %3. "
                          "What it holds of its game definition is used.")
        .arg(QFileInfo(path).fileName())
        .arg(length)
        .arg(GameDefinition::Size);
}

} // namespace vx
