#pragma once

#include "gamedata/countedfile.h"
#include "gamedata/recordfile.h"

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace vx {

// The 30-byte record of history files and entry files.
struct NumbersRecord {
    static constexpr int Size = 30;

    int32_t count = 0; // record 1: the number of data records
    int16_t number = 0; // history files: the record's own position
    int16_t day = 0;
    int16_t month = 0;
    int16_t year = 0;
    std::array<int16_t, 7> main {};
    std::array<int16_t, 2> extra {};

    static NumbersRecord fromBytes(const char *bytes);
    void toBytes(char *bytes) const;
    QByteArray toBytes() const;

    // The nine numbers as the display procedures take them: Main 1 to 7, Extra 1, Extra 2.
    std::array<int16_t, 9> numbers() const;

    // For readers that look at a field or two of many records where they lie: number k (from 1, as
    // numbers() counts them) of a record, and whether a record is dated on a day.
    static int16_t numberAt(const char *record, int k) { return getInt16(record + 12 + 2 * (k - 1)); }
    static const char *recordAt(const char *records, int i) { return records + qsizetype(i) * Size; } // from 0
    struct StoredDate {
        char bytes[6]; // the day, month and year fields as stored
    };
    static StoredDate storedDate(int16_t day, int16_t month, int16_t year);
    // Inline: a search by date calls it for every record of a history.
    static bool isDated(const char *record, const StoredDate &date)
    {
        return std::memcmp(record + 6, date.bytes, sizeof date.bytes) == 0;
    }
    bool operator==(const NumbersRecord &) const = default;
};

// The most records a numbers file can hold: counts are 16-bit values.
constexpr int MaxNumbersRecords = 32767;

// The longest a numbers file holding the most records can be.
constexpr qint64 MaxNumbersFileBytes = qint64(MaxNumbersRecords) * NumbersRecord::Size;

// A numbers file opened for random access: the count in record 1, 30-byte records.
using NumbersFile = CountedRecordFile<NumbersRecord, MaxNumbersRecords>;

// The bytes of a numbers file where there is no file (a download, a file being built): records 1 to
// count (never past the whole records the bytes hold) as stored.
std::vector<NumbersRecord> numbersRecordsOf(const QByteArray &bytes, int count);
// Writes the records over a numbers file's bytes from record 1 on and sets record 1's count to their
// number; bytes past them stay as they were. No records leave record 1 (zeros where the bytes end)
// with a count of 0.
void putNumbersRecords(QByteArray &bytes, const std::vector<NumbersRecord> &records);
// Records one after another as a numbers file stores them, each with its own count field.
QByteArray recordBytes(const std::vector<NumbersRecord> &records);
// Record 1's count as a file stores it, without creating a missing file; 0 for a file that is
// missing, cannot be read or holds less than a count.
int32_t storedCount(const QString &path);

// A clear message for a numbers file whose count does not match what it holds.
QString damagedFileMessage(const QString &path, int32_t declared, qint64 onDisk);

// The outcome of a write to a numbers file.
struct FileResult {
    bool ok = true;
    QString message; // what went wrong, for the player
    static FileResult failure(const QString &message) { return {false, message}; }
};

// The failures every writer of a numbers file reports, in the same words.
FileResult openFailure(const NumbersFile &file);
FileResult writeFailure(const NumbersFile &file);
FileResult negativeCountFailure(NumbersFile &file); // appending would overwrite record 1
FileResult fullFailure(const QString &path); // the file already holds MaxNumbersRecords

// Opens a numbers file that entries are to be added to. A file with a negative count is refused
// (and closed), as adding to it would overwrite record 1.
FileResult openForAdding(NumbersFile &file, const QString &path);

// What a reader takes of a numbers file in one read: records 1 to the usable count, and whether the
// declared count says something else (a damaged file, reported by the caller).
struct NumbersFileRead {
    std::vector<NumbersRecord> records;
    bool damaged = false;
    int32_t declared = 0;
    qint64 onDisk = 0;
    QString path;
    QString damageMessage() const; // empty when the file is sound
};
FileResult readNumbersFile(const QString &path, NumbersFileRead *read);

// The same read for readers that look at a field or two of every record (a check, a search by
// date): the records stay as the file stores them, read in one go, and a reader converts only those
// it keeps. A file cut short while it is read gives the records read whole, as a damaged file.
class NumbersFileRecords
{
public:
    FileResult open(const QString &path); // a missing file is created empty, as for every reader
    int count() const { return m_count; } // records 1 to the usable count
    // Record index + 1, as stored.
    const char *record(int index) const { return m_bytes.constData() + qsizetype(index) * NumbersRecord::Size; }
    bool damaged() const { return m_damaged; }
    int32_t declaredCount() const { return m_declared; }
    qint64 recordsOnDisk() const { return m_onDisk; }
    QString damageMessage() const; // empty when the file is sound

private:
    QString m_path;
    QByteArray m_bytes;
    int m_count = 0;
    bool m_damaged = false;
    int32_t m_declared = 0;
    qint64 m_onDisk = 0;
};

// Date key of a date: the year, then month and day as two digits each, read as one number.
QString getstringdate(int16_t y, int16_t m, int16_t d);
long long dateKey(int16_t y, int16_t m, int16_t d);

// Changes that move records (inserting a result, deleting results and entries) build the new file
// in memory and replace the old one only once it is wholly written, so a failure leaves the old
// file byte for byte; the new file is byte for byte what moving the records in place gives.

// Inserts a result into a history file by its date key; a result dated like a stored one goes
// after it. Numbers are kept in step. Refused (nothing written) when the file is full.
FileResult insertResult(const QString &historyPath, NumbersRecord result);

// Deletes record p of a history file; the only record deletes the file. Records past the new
// count stay as they were.
FileResult deleteResult(const QString &historyPath, int p);

// Appends an entry to an entry file: the new record is record 1's bytes with the main numbers
// and the first extra replaced; record 1's count goes up by one. Refused when the file is full.
// newCount receives the new count. A failed write leaves the file as it was (a file it created
// is removed again).
FileResult appendEntry(
    const QString &entryPath, const std::array<int16_t, 7> &mains, int16_t extra1, int *newCount = nullptr);

// Rewrites the numbers of entry n (from 1) in place: main numbers 1 to mainsToReplace take the given
// ones and, when given, the first extra too; every other field keeps its value. Refused when n is
// not one of the file's entries.
FileResult rewriteEntry(const QString &entryPath, int n, const std::array<int16_t, 7> &mains, int mainsToReplace,
    std::optional<int16_t> extra1);

// Deletes the entries of the given 0-based list lines (lines at or past the count are ignored),
// moving later records down one place per deletion and lowering record 1's count, exactly as
// deleting them one at a time from the first would. Returns the new count through newCount.
FileResult deleteEntries(const QString &entryPath, std::vector<int> selectedLines, int *newCount = nullptr);

// The same changes made to a numbers file already open (a file in memory, say), record by record
// in place: on a device nothing guards against a write failing half-way. The only record of a
// history file leaves a count of 0 here, where the path-based deleteResult deletes the file.
FileResult insertResult(NumbersFile &history, NumbersRecord result);
FileResult deleteResult(NumbersFile &history, int p);
FileResult deleteEntries(NumbersFile &entries, std::vector<int> selectedLines, int *newCount = nullptr);

// Copies a file over another without leaving a half-written target behind.
FileResult copyFileReplacing(const QString &source, const QString &target);

} // namespace vx
