#include "wheels/wheeldesign.h"

#include "gamedata/filemessages.h"
#include "gamedata/numbersfile.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <bit>

namespace vx {

namespace {

QString shownName(const QString &fileName)
{
    return QStringLiteral("wheels/") + fileName;
}

QString positionsText(uint32_t mask)
{
    QStringList positions;
    for (int p = 1; mask != 0; ++p, mask >>= 1)
        if (mask & 1u)
            positions << QString::number(p);
    return positions.join(QLatin1Char(' '));
}

// Why a design line is not sound, or empty when it is; *mask receives its positions.
QString lineFault(QByteArrayView line, const WheelType &type, int group, uint32_t *mask)
{
    *mask = 0;
    int count = 0;
    int previous = 0;
    qsizetype start = 0;
    while (start <= line.size()) {
        qsizetype end = line.indexOf(' ', start);
        if (end < 0)
            end = line.size();
        const QByteArrayView token = line.sliced(start, end - start);
        if (token.isEmpty())
            return QStringLiteral("is not a list of positions separated by single blanks");
        int value = 0;
        for (const char c : token) {
            if (c < '0' || c > '9')
                return QStringLiteral("holds something other than positions");
            value = std::min(value * 10 + (c - '0'), 1000); // a long run of digits stays out of range
        }
        if (value < 1 || value > group)
            return QStringLiteral("holds a position outside 1 to %1").arg(group);
        if (value <= previous)
            return QStringLiteral("does not hold its positions once each in ascending order");
        previous = value;
        if (++count > type.pick)
            break;
        *mask |= 1u << (value - 1);
        start = end + 1;
    }
    if (count != type.pick)
        return QStringLiteral("holds %1 positions where a line of this wheel holds %2")
            .arg(count > type.pick ? QStringLiteral("more than %1").arg(type.pick) : QString::number(count))
            .arg(type.pick);
    return {};
}

} // namespace

QString wheelDesignFileName(const WheelType &type, int group)
{
    return QStringLiteral("%1-%2-%3-%4.whl").arg(type.pick).arg(type.drawn).arg(type.match).arg(group);
}

QString wheelDesignFolder(const QString &appFolder)
{
    return appFolder + QStringLiteral("/wheels");
}

WheelDesignRead parseWheelDesign(const QByteArray &text, const WheelType &type, int group, const QString &name)
{
    WheelDesignRead read;
    read.design.type = type;
    read.design.group = group;
    const QString file = shownName(name);
    auto refuse = [&](const QString &why) {
        read.error = QStringLiteral("The wheel design %1 is damaged: %2.").arg(file, why);
        read.design.lines.clear();
        return read;
    };
    if (type.pick < 1 || type.pick > 7 || group <= type.pick || group > MaxWheelGroup)
        return refuse(QStringLiteral("no wheel of this type is made for a group of %1 balls").arg(group));
    if (text.size() > MaxWheelDesignBytes)
        return refuse(QStringLiteral("it is far larger than any wheel design"));

    // Some editors begin a UTF-8 text with a byte order mark; it is no part of the first line.
    QByteArrayView body(text);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    int lineNumber = 0;
    for (qsizetype start = 0; start < body.size();) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0)
            end = body.size();
        QByteArrayView line = body.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        uint32_t mask = 0;
        if (const QString fault = lineFault(line, type, group, &mask); !fault.isEmpty())
            return refuse(QStringLiteral("line %1 %2").arg(lineNumber).arg(fault));
        if (read.design.lines.size() == static_cast<size_t>(MaxNumbersRecords))
            return refuse(QStringLiteral("it holds more lines than an entry file can"));
        read.design.lines.push_back(mask);
    }
    if (read.design.lines.empty())
        return refuse(QStringLiteral("it holds no lines"));

    if (const uint32_t uncovered = firstUncoveredSet(group, type.drawn, type.match, read.design.lines)) {
        read.error = QStringLiteral("The wheel design %1 does not keep its guarantee: when the balls at places %2 of "
                                    "the group are drawn, no line holds %3 of them.")
                         .arg(file, positionsText(uncovered))
                         .arg(type.match);
        read.design.lines.clear();
        return read;
    }
    read.ok = true;
    return read;
}

WheelDesignRead readWheelDesign(const QString &appFolder, const WheelType &type, int group)
{
    const QString name = wheelDesignFileName(type, group);
    QFile file;
    QString why;
    WheelDesignRead read;
    switch (platform::openRegularFile(wheelDesignFolder(appFolder) + QLatin1Char('/') + name, &file, &why)) {
    case platform::RegularFileOpen::Opened:
        break;
    case platform::RegularFileOpen::Missing:
        read.error = QStringLiteral("The wheel design %1 is missing: there is no wheel of this type for a group of "
                                    "%2 balls.")
                         .arg(shownName(name))
                         .arg(group);
        return read;
    case platform::RegularFileOpen::NotRegular:
        read.error = QStringLiteral("The wheel design %1 is not a plain file: only a text file can hold a wheel "
                                    "design.")
                         .arg(shownName(name));
        return read;
    case platform::RegularFileOpen::Failed:
        read.error = sentence(
            QStringLiteral("The wheel design %1 could not be read: %2").arg(shownName(name), withoutFullStop(why)));
        return read;
    }
    // One byte past the largest design tells a file that is too large without reading it all.
    const QByteArray text = file.read(MaxWheelDesignBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.error = sentence(QStringLiteral("The wheel design %1 could not be read: %2")
                                  .arg(shownName(name), withoutFullStop(file.errorString())));
        return read;
    }
    return parseWheelDesign(text, type, group, name);
}

std::vector<int> availableWheelGroups(const QString &appFolder, const WheelType &type)
{
    std::vector<int> groups;
    const QString folder = wheelDesignFolder(appFolder);
    for (int group = type.pick + 1; group <= MaxWheelGroup; ++group)
        if (QFileInfo(folder + QLatin1Char('/') + wheelDesignFileName(type, group)).isFile())
            groups.push_back(group);
    return groups;
}

uint32_t firstUncoveredSet(int group, int drawn, int match, const std::vector<uint32_t> &lines)
{
    if (group < 1 || group > MaxWheelGroup || match <= 0 || drawn > group)
        return 0;
    if (drawn < match)
        return (1u << drawn) - 1; // no line can hold more of a set than the set holds
    const uint32_t full = (1u << group) - 1;
    // covered[s]: some line holds every position of s. It is filled for the sets of `match`
    // positions from the lines, then for each larger set from its subsets one position smaller,
    // which come earlier in numeric order.
    std::vector<uint8_t> covered(size_t {1} << group, 0);
    for (const uint32_t line : lines) {
        const uint32_t l = line & full;
        if (std::popcount(l) < match)
            continue;
        for (uint32_t s = l;; s = (s - 1) & l) {
            if (std::popcount(s) == match)
                covered[s] = 1;
            if (s == 0)
                break;
        }
    }
    for (uint32_t set = 1; set <= full; ++set) {
        const int size = std::popcount(set);
        if (size <= match && size != drawn)
            continue;
        if (size > drawn)
            continue;
        if (size > match)
            for (uint32_t rest = set; rest != 0 && !covered[set]; rest &= rest - 1)
                covered[set] = covered[set ^ (rest & (~rest + 1))];
        if (size == drawn && !covered[set])
            return set;
    }
    return 0;
}

} // namespace vx
