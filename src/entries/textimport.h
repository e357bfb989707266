#pragma once

#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// Importing a text file of entries as a dated entry file. The text holds one entry per line in
// two-character columns: main number k at columns 3k-2 and 3k-1 (1-based), the extra, when the game
// picks one, right after the last main number. Anything between the columns is not read.
namespace vx {

// The outcome of checking a text file for import; the numbers 0 to 5 are those the player's
// messages have always gone by.
enum class ImportCode {
    Valid = 0,
    NoFile = 1,
    OutOfRange = 2, // a number outside its range, a missing or non-numeric field included
    SameBalls = 3,
    DateHasEntries = 4,
    NotReadable = 5,
    TooManyLines = 6, // more lines than an entry file can hold
    TooLarge = 7, // far larger than a file of as many entries as an entry file holds
};

// The longest line the contents list shows whole; an entry line takes 23 characters at most. A
// file larger than the most lines of this length is no file of entries and is not read at all.
constexpr int MaxImportLineLength = 255;
constexpr qint64 MaxImportFileBytes = qint64(MaxNumbersRecords) * (MaxImportLineLength + 2);

// What Import shows for a code; empty for Valid.
QString importMessage(ImportCode code);

// The game values the import reads.
struct ImportRules {
    int16_t mainPool = 0;
    int16_t mainPicked = 0; // main numbers per line, 3 to 7
    int16_t bonusPicked = 0; // 1: each line carries an extra
    int16_t bonusPool = 0; // 0: the extra comes from the main pool

    static ImportRules of(const CurrentGame &game);
    // The highest extra a line may carry: the bonus pool, or the main pool when the game draws its
    // extra from the main balls (a bonus pool of 0 would otherwise refuse every line).
    int16_t highestExtra() const { return bonusPool > 0 ? bonusPool : mainPool; }
};

// One imported line: main numbers sorted ascending (0 past the ones picked) and the extra (0 when
// the game picks none).
struct ImportLine {
    std::array<int16_t, 7> main {};
    int16_t extra = 0;
    bool operator==(const ImportLine &) const = default;
};

// The field of two characters at a 1-based column: the number its text starts with, rounded;
// missing or non-numeric text reads 0.
int16_t importField(QByteArrayView line, int column);

// Reads and checks one line (without its line ending). Valid, OutOfRange or SameBalls; *out is
// filled only for a valid line.
ImportCode readImportLine(QByteArrayView line, const ImportRules &rules, ImportLine *out);

// The lines of a text as the file holds them, line endings removed; a final line ending adds no
// empty line.
QList<QByteArray> splitImportLines(const QByteArray &text);
// The text's lines as the contents list shows them: a line longer than MaxImportLineLength is cut
// there, as laying out a line of megabytes would hold the window up for many seconds.
QStringList importListLines(const QByteArray &text);

// Reads and checks every line of a text; the first failing line ends the check.
struct ImportText {
    ImportCode code = ImportCode::Valid;
    std::vector<ImportLine> lines; // the lines read, all of them when code is Valid
    int failingLine = 0; // 1-based line that failed, 0 when none
};
ImportText readImportText(const QByteArray &text, const ImportRules &rules);

// The whole check before an import: the chosen text file (empty: none chosen; larger than
// MaxImportFileBytes: refused before it is read), then the target dated entry file, which must hold
// no entries. A missing target is fine and is not created here.
struct ImportCheck {
    ImportCode code = ImportCode::Valid;
    std::vector<ImportLine> lines;
};
ImportCheck validateImport(const QString &textPath, const QString &targetPath, const ImportRules &rules);

// The bytes of the target after importing: record k for line k, dated, record 1 counting the lines;
// whatever the old file held past the new records stays as it was.
QByteArray importedFileBytes(const std::vector<ImportLine> &lines, const QDate &date, const QByteArray &oldBytes);

// Writes the import into the target, beside the old file first, so a failure leaves the old file
// (or no file) and never a half-written one.
FileResult writeImport(const QString &targetPath, const std::vector<ImportLine> &lines, const QDate &date);

} // namespace vx
