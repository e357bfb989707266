#pragma once

#include "gamedata/gamedefinition.h"
#include "gamedata/gamevalidation.h"

#include <QString>
#include <QStringList>
#include <functional>

// The changes that the game definition window makes to a game file: each page changes only its
// own fields of record 1 and writes the record back.
namespace vx {

// Name and counts of the game definition page (values rounded as countBoxValue does). The bonus
// source stays as it was when none of the three answers is selected.
void applyGameDefinition(GameDefinition &definition, const GameDefinitionInput &input);

// The preferences page: ball colour, bonus tag and bonus name.
struct PreferencesInput {
    bool redMainBalls = false; // "Red Main Ball (any Bonus/Extra Ball White)"
    QString presetTag; // "EB", "BB", "PB" or "MB" when a preset is selected, else empty
    bool otherTag = false; // "Other Specify:"
    QString tag; // the player's own two characters (Text5)
    QString name; // the player's own bonus name (Text9)
};

// Applies the preferences to the record, or returns the reason they cannot be saved and leaves
// the record unchanged.
QString applyPreferences(GameDefinition &definition, const PreferencesInput &input);

struct GameFileSave {
    enum class Status {
        Saved, // record 1 was written
        Refused, // the change refused the input; nothing was written
        Failed // the file could not be read or written; nothing was written
    };
    Status status = Status::Saved;
    QString message; // the refusal or the failure, empty when saved
};

// Reads record 1 of the game file (or starts from an empty record), lets the change edit it and
// writes it back. The change returns a refusal message, or an empty string to go on.
GameFileSave updateGameFile(
    const QString &path, const std::function<QString(GameDefinition &)> &change, bool startEmpty = false);

// A clear message for a game file that cannot be read or written.
QString gameFileSaveFailedMessage(const QString &path, const QString &reason);

// Deletes the files of a game that is being amended: its definition file, then its history file
// and every entry file whose name begins with the game's name, except its standing entry file.
// Missing files are no failure. Returns the names of the files that exist and could not be
// deleted. A blank name deletes only the definition file, as every entry file would match it.
QStringList deleteAmendedGameFiles(const QString &folder, const QString &definitionFileName, const QString &gameName);

} // namespace vx
