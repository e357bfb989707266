#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace vx {

// The 88-byte record of game1.dat to game6.dat.
struct GameDefinition {
    static constexpr int Size = 88;

    std::array<char, 12> name {};
    int16_t mainDrawn = 0;
    int16_t bonusDrawn = 0;
    int16_t mainPool = 0;
    int16_t bonusSource = 0; // 0 own pool, 1 from the main pool, 2 not used
    int16_t bonusPool = 0;
    int16_t mainPicked = 0;
    int16_t bonusPicked = 0;
    std::array<int16_t, 16> winLines {}; // 1 to 15
    std::array<int16_t, 8> drawDays {}; // 1 = Sunday ... 7 = Saturday
    int16_t ballColour = 0; // 1 red main balls, 0 white main balls
    std::array<char, 2> bonusTag {};
    std::array<char, 10> bonusName {};

    static GameDefinition fromBytes(const char *bytes);
    QByteArray toBytes() const;

    QString nameText() const; // the stored name, spaces and NULs trimmed
    void setName(const QString &); // left-aligned, space-padded to 12
    QString bonusTagText() const; // the two characters as stored
    void setBonusTag(const QString &);
    QString bonusNameText() const; // the ten characters as stored
    void setBonusName(const QString &); // space-padded to 10

    bool operator==(const GameDefinition &) const = default;
};

// "game1.dat" ... "game6.dat"
QString gameFileName(int gameNumber);
// The same, space-padded to 12 characters as GameFile holds it.
QString paddedGameFileName(int gameNumber);

enum class GameFileStatus {
    Ok, // one whole record was read
    Empty, // the file was empty or new: an all-zero record
    WrongLength, // the file is not one record long; what it holds of record 1 was read
    OpenFailed // the file could be neither opened nor created: an all-zero record
};

struct GameFileRead {
    GameDefinition definition;
    GameFileStatus status = GameFileStatus::Empty;
    qint64 length = 0;
    QString error;
};

// Reads record 1 of a game file, creating a missing file empty.
GameFileRead readGameDefinition(const QString &path);
// Writes record 1 of a game file. False with a reason when it cannot be written.
bool writeGameDefinition(const QString &path, const GameDefinition &definition, QString *error = nullptr);

// A clear message for a game file that is not one record long.
QString damagedGameFileMessage(const QString &path, qint64 length);

} // namespace vx
