#include "support/testfolder.h"

#include "gamedata/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace vx::test {
namespace {

// Passes reads through and fails writes past a limit.
class FailingDevice : public DeviceAround
{
public:
    FailingDevice(QIODevice *inner, qint64 acceptedBytes, std::shared_ptr<int> failures)
        : DeviceAround(inner)
        , m_left(acceptedBytes)
        , m_failures(std::move(failures))
    {
    }

protected:
    // As a file on a full disk does: a write that crosses the limit writes what fits and returns
    // that count with no reason (QFile's error string stays "Unknown error"); only a write of which
    // nothing fits fails, with the system's reason.
    qint64 writeData(const char *data, qint64 maxSize) override
    {
        const qint64 accepted = std::min(maxSize, std::max<qint64>(m_left, 0));
        if (accepted > 0 && DeviceAround::writeData(data, accepted) != accepted)
            return setErrorString(inner()->errorString()), -1;
        m_left -= accepted;
        if (accepted > 0 || maxSize == 0)
            return accepted;
        ++*m_failures;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    qint64 m_left;
    std::shared_ptr<int> m_failures;
};

} // namespace

FailingFileWrites::FailingFileWrites(qint64 acceptedBytes, const QString &fileName)
{
    setFileDeviceHook([acceptedBytes, fileName, failures = m_failures](const QString &path, QIODevice *file) {
        if (!fileName.isEmpty() && QFileInfo(path).fileName() != fileName)
            return std::unique_ptr<QIODevice>();
        return std::unique_ptr<QIODevice>(std::make_unique<FailingDevice>(file, acceptedBytes, failures));
    });
}

FailingFileWrites::~FailingFileWrites()
{
    setFileDeviceHook({});
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

GameDefinition makeGame(const QString &name, int mainDrawn, int bonusDrawn, int mainPool, int bonusSource,
    int bonusPool, int bonusPicked, const QString &tag)
{
    GameDefinition g;
    g.setName(name);
    g.mainDrawn = g.mainPicked = static_cast<int16_t>(mainDrawn);
    g.bonusDrawn = static_cast<int16_t>(bonusDrawn);
    g.mainPool = static_cast<int16_t>(mainPool);
    g.bonusSource = static_cast<int16_t>(bonusSource);
    g.bonusPool = static_cast<int16_t>(bonusPool);
    g.bonusPicked = static_cast<int16_t>(bonusPicked);
    std::fill(g.winLines.begin() + 1, g.winLines.begin() + 10, 1);
    std::iota(g.drawDays.begin() + 1, g.drawDays.end(), 1);
    g.ballColour = 1;
    g.setBonusTag(tag);
    g.setBonusName(QString());
    return g;
}

NumbersRecord drawRecord(
    int year, int month, int day, std::initializer_list<int> mains, std::initializer_list<int> extras)
{
    NumbersRecord r;
    r.year = static_cast<int16_t>(year);
    r.month = static_cast<int16_t>(month);
    r.day = static_cast<int16_t>(day);
    std::copy(mains.begin(), mains.end(), r.main.begin());
    std::copy(extras.begin(), extras.end(), r.extra.begin());
    return r;
}

QByteArray numbersFileBytes(std::vector<NumbersRecord> records, bool numbered)
{
    QByteArray bytes;
    for (size_t i = 0; i < records.size(); ++i) {
        if (i == 0)
            records[0].count = static_cast<int32_t>(records.size());
        if (numbered)
            records[i].number = static_cast<int16_t>(i + 1);
        bytes += records[i].toBytes();
    }
    return bytes;
}

void writeNumbersFile(const QString &path, std::vector<NumbersRecord> records, bool numbered)
{
    writeFileBytes(path, numbersFileBytes(std::move(records), numbered));
}

NumbersRecord rawRecord(const QByteArray &bytes, int n)
{
    const int offset = (n - 1) * NumbersRecord::Size;
    if (offset >= 0 && offset + NumbersRecord::Size <= bytes.size())
        return NumbersRecord::fromBytes(bytes.constData() + offset);
    ADD_FAILURE() << "record " << n << " is past the end of a " << bytes.size() << "-byte file";
    return {};
}

} // namespace vx::test
