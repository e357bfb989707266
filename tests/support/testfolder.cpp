#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vx::test {

TestFolder::TestFolder()
    : m_dir(QDir::tempPath() + QStringLiteral("/vxtestXXXXXX"))
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TestFolder::file(const QString &name) const
{
    return m_dir.path() + QLatin1Char('/') + name;
}

bool TestFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

QByteArray TestFolder::bytes(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TestFolder::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

GameDefinition makeGame(const QString &name, int mainDrawn, int bonusDrawn, int mainPool, int bonusSource,
    int bonusPool, int bonusPicked, const QString &tag)
{
    GameDefinition g;
    g.setName(name);
    g.mainDrawn = static_cast<int16_t>(mainDrawn);
    g.bonusDrawn = static_cast<int16_t>(bonusDrawn);
    g.mainPool = static_cast<int16_t>(mainPool);
    g.bonusSource = static_cast<int16_t>(bonusSource);
    g.bonusPool = static_cast<int16_t>(bonusPool);
    g.mainPicked = static_cast<int16_t>(mainDrawn);
    g.bonusPicked = static_cast<int16_t>(bonusPicked);
    for (size_t k = 1; k <= 9; ++k)
        g.winLines[k] = 1;
    for (size_t d = 1; d <= 7; ++d)
        g.drawDays[d] = static_cast<int16_t>(d);
    g.ballColour = 1;
    g.setBonusTag(tag);
    g.setBonusName(QString());
    return g;
}

void writeGame(const TestFolder &folder, int number, const GameDefinition &game)
{
    folder.writeBytes(gameFileName(number), game.toBytes());
}

NumbersRecord drawRecord(
    int year, int month, int day, std::initializer_list<int> mains, std::initializer_list<int> extras)
{
    NumbersRecord r;
    r.year = static_cast<int16_t>(year);
    r.month = static_cast<int16_t>(month);
    r.day = static_cast<int16_t>(day);
    size_t i = 0;
    for (int m : mains)
        r.main[i++] = static_cast<int16_t>(m);
    i = 0;
    for (int x : extras)
        r.extra[i++] = static_cast<int16_t>(x);
    return r;
}

NumbersRecord entryRecord(std::initializer_list<int> mains, int extra1)
{
    NumbersRecord r;
    size_t i = 0;
    for (int m : mains)
        r.main[i++] = static_cast<int16_t>(m);
    r.extra[0] = static_cast<int16_t>(extra1);
    return r;
}

void writeNumbersFile(const QString &path, std::vector<NumbersRecord> records, bool numbered)
{
    QByteArray bytes;
    for (size_t i = 0; i < records.size(); ++i) {
        NumbersRecord r = records[i];
        if (i == 0)
            r.count = static_cast<int32_t>(records.size());
        if (numbered)
            r.number = static_cast<int16_t>(i + 1);
        bytes += r.toBytes();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

NumbersRecord rawRecord(const QByteArray &bytes, int n)
{
    const int offset = (n - 1) * NumbersRecord::Size;
    if (offset < 0 || offset + NumbersRecord::Size > bytes.size()) {
        ADD_FAILURE() << "record " << n << " is past the end of a " << bytes.size() << "-byte file";
        return NumbersRecord {};
    }
    return NumbersRecord::fromBytes(bytes.constData() + offset);
}

int16_t rawInt16(const QByteArray &bytes, int offset)
{
    const auto *u = reinterpret_cast<const unsigned char *>(bytes.constData() + offset);
    return static_cast<int16_t>(u[0] | (u[1] << 8));
}

int32_t rawInt32(const QByteArray &bytes, int offset)
{
    const auto *u = reinterpret_cast<const unsigned char *>(bytes.constData() + offset);
    return static_cast<int32_t>(u[0] | (u[1] << 8) | (u[2] << 16) | (static_cast<uint32_t>(u[3]) << 24));
}

} // namespace vx::test
