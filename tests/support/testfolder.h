#pragma once

#include "gamedata/gamedefinition.h"
#include "gamedata/numbersfile.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <vector>

namespace vx::test {

// A fresh application folder for one test. Its path holds no hyphen and no "Stand", as both mean
// something in entry file paths. The shared state is reset and AppFolder points at the folder.
class TestFolder
{
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const; // full path of a file in the folder
    bool exists(const QString &name) const;
    QByteArray bytes(const QString &name) const; // the raw bytes of a file
    void writeBytes(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

// A game definition with the usual preferences: name, draw shape, pools and picks; every winning
// line from Match 3 up enabled and every day a draw day unless changed afterwards.
GameDefinition makeGame(const QString &name, int mainDrawn, int bonusDrawn, int mainPool, int bonusSource,
                        int bonusPool, int bonusPicked, const QString &tag = QStringLiteral("BB"));
void writeGame(const TestFolder &folder, int number, const GameDefinition &game);

// A history record of a date and its numbers (mains padded with 0 to seven, extras to two).
NumbersRecord drawRecord(int year, int month, int day, std::initializer_list<int> mains,
                         std::initializer_list<int> extras = {});
// An entry record (no date).
NumbersRecord entryRecord(std::initializer_list<int> mains, int extra1 = 0);

// Writes a numbers file record by record as the program would: Count in record 1 (the other
// records' Count fields as given), Numbers 1, 2, ... when numbered is true.
void writeNumbersFile(const QString &path, std::vector<NumbersRecord> records, bool numbered = false);

// Reads record n (from 1) of a numbers file straight from its bytes.
NumbersRecord rawRecord(const QByteArray &bytes, int n);
int16_t rawInt16(const QByteArray &bytes, int offset);
int32_t rawInt32(const QByteArray &bytes, int offset);

} // namespace vx::test
