#pragma once

#include "gamedata/gamedefinition.h"
#include "gamedata/numbersfile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace vx::test {

QByteArray fileBytes(const QString &path); // empty when the file cannot be read
void writeFileBytes(const QString &path, const QByteArray &bytes);

// A fresh application folder for one test, under the temporary folder.
class TestFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return path() + QLatin1Char('/') + name; } // names like ":x" too
    bool exists(const QString &name) const { return QFile::exists(file(name)); }
    QByteArray bytes(const QString &name) const { return fileBytes(file(name)); }
    void writeBytes(const QString &name, const QByteArray &bytes) const { writeFileBytes(file(name), bytes); }

private:
    QTemporaryDir m_dir {QDir::tempPath() + QStringLiteral("/vxtestXXXXXX")};
};

// The reference files in tests/data, written once and never by the program under test.
inline QString referencePath(const QString &name)
{
    return QStringLiteral(VX_TEST_DATA_DIR "/") + name;
}
inline QByteArray referenceFile(const QString &name)
{
    return fileBytes(referencePath(name));
}

// A game definition with the usual preferences: name, draw shape, pools and picks; every winning
// line from Match 3 up enabled and every day a draw day unless changed afterwards.
GameDefinition makeGame(const QString &name, int mainDrawn, int bonusDrawn, int mainPool, int bonusSource,
    int bonusPool, int bonusPicked, const QString &tag = QStringLiteral("BB"));
inline void writeGame(const TestFolder &folder, int number, const GameDefinition &game)
{
    folder.writeBytes(gameFileName(number), game.toBytes());
}

// A history record of a date and its numbers (mains padded with 0 to seven, extras to two).
NumbersRecord drawRecord(
    int year, int month, int day, std::initializer_list<int> mains, std::initializer_list<int> extras = {});
// An entry record (no date).
inline NumbersRecord entryRecord(std::initializer_list<int> mains, int extra1 = 0)
{
    return drawRecord(0, 0, 0, mains, {extra1});
}

// Writes a numbers file record by record as the program would: Count in record 1 (the other
// records' Count fields as given), Numbers 1, 2, ... when numbered is true.
QByteArray numbersFileBytes(std::vector<NumbersRecord> records, bool numbered = false);
void writeNumbersFile(const QString &path, std::vector<NumbersRecord> records, bool numbered = false);

// Reads record n (from 1) of a numbers file straight from its bytes.
NumbersRecord rawRecord(const QByteArray &bytes, int n);
inline int32_t rawInt32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

// A random-access device around one the record layer opened (setFileDeviceHook), passing reads and
// writes through; a test's device changes what it stands in for.
class DeviceAround : public QIODevice
{
public:
    explicit DeviceAround(QIODevice *inner)
        : m_inner(inner)
    {
        QIODevice::open(inner->openMode() | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_inner->size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        return m_inner->seek(pos()) ? m_inner->read(data, maxSize) : -1;
    }
    qint64 writeData(const char *data, qint64 maxSize) override
    {
        return m_inner->seek(pos()) ? m_inner->write(data, maxSize) : -1;
    }
    QIODevice *inner() const { return m_inner; }

private:
    QIODevice *m_inner;
};

// While one of these lives, every file the record layer opens by path or saves whole (numbers,
// pick, game and printer files) is written through a device that accepts acceptedBytes bytes of
// each file, then fails as a full disk does: a write that crosses the limit writes the bytes
// before it and returns their count without a reason, and the next write, of which nothing fits,
// fails with "No space left on device". With a name, only files of that name (e.g. "game1.dat")
// are affected. Reads are untouched, so a file opens and reads as usual.
class FailingFileWrites
{
public:
    explicit FailingFileWrites(qint64 acceptedBytes, const QString &fileName = QString());
    ~FailingFileWrites();
    Q_DISABLE_COPY(FailingFileWrites)

    int failures() const { return *m_failures; } // writes refused so far (short ones not counted)

private:
    std::shared_ptr<int> m_failures = std::make_shared<int>(0);
};

} // namespace vx::test
