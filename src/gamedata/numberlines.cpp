#include "gamedata/numberlines.h"

#include <QVarLengthArray>
#include <charconv>

namespace vx {

namespace {
// The longest number a line holds: a 16-bit value with its sign, after a "0" when below 10.
constexpr qsizetype NumberWidth = 7;

// Writes what twoDigits gives at out, without building strings (a full list makes tens of
// thousands of lines); returns the position after it.
QChar *putTwoDigits(QChar *out, int number)
{
    if (number >= 0 && number < 100) {
        *out++ = QLatin1Char(static_cast<char>('0' + number / 10));
        *out++ = QLatin1Char(static_cast<char>('0' + number % 10));
        return out;
    }
    if (number < 10)
        *out++ = QLatin1Char('0');
    char digits[12];
    const char *end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    for (const char *c = digits; c != end; ++c)
        *out++ = QLatin1Char(*c);
    return out;
}

QChar *putText(QChar *out, const QString &text)
{
    std::copy(text.cbegin(), text.cend(), out);
    return out + text.size();
}

// A line of at most `longest` characters written by `write`, then copied into a string of its
// own length: one allocation of the size the list keeps.
template <typename Write> QString buildLine(qsizetype longest, Write write)
{
    QVarLengthArray<QChar, 128> buffer(longest);
    return QString(buffer.data(), write(buffer.data()) - buffer.data());
}
} // namespace

QString twoDigits(int number)
{
    return buildLine(NumberWidth, [&](QChar *out) { return putTwoDigits(out, number); });
}

QString entryLineText(const std::array<int16_t, 9> &n, const QString &tag)
{
    return buildLine(7 * (NumberWidth + 1) + 2 * (tag.size() + NumberWidth + 2), [&](QChar *out) {
        for (size_t i = 0; i < 7; ++i) {
            if (n[i] > 0) {
                out = putTwoDigits(out, n[i]);
                *out++ = QLatin1Char(' ');
            }
        }
        if (n[7] > 0) {
            out = putText(out, tag);
            *out++ = QLatin1Char(' ');
            out = putTwoDigits(out, n[7]);
            *out++ = QLatin1Char(' ');
        }
        if (n[8] > 0) {
            out = putText(out, tag);
            *out++ = QLatin1Char(' ');
            out = putTwoDigits(out, n[8]);
        }
        return out;
    });
}

QString checkedLineText(const std::array<int16_t, 7> &b, int16_t extra, const QString &suffix, const QString &tag)
{
    return buildLine(7 * (NumberWidth + 1) + tag.size() + NumberWidth + 1 + suffix.size(), [&](QChar *out) {
        for (size_t i = 0; i < 3; ++i) {
            out = putTwoDigits(out, b[i]);
            *out++ = QLatin1Char(' ');
        }
        for (size_t i = 3; i < 6; ++i) {
            if (b[i] > 0) {
                out = putTwoDigits(out, b[i]);
                *out++ = QLatin1Char(' ');
            }
        }
        if (b[6] > 0)
            out = putTwoDigits(out, b[6]);
        if (extra > 0) {
            out = putText(out, tag);
            *out++ = QLatin1Char(' ');
            out = putTwoDigits(out, extra);
        }
        return putText(out, suffix);
    });
}

FileResult readEntryLines(const QString &entryPath, const QString &tag, QStringList *lines, QString *damage)
{
    NumbersFileRecords entries;
    if (const FileResult read = entries.open(entryPath); !read.ok)
        return read;
    lines->clear();
    lines->reserve(entries.count());
    for (int i = 0; i < entries.count(); ++i) {
        const char *record = entries.record(i);
        std::array<int16_t, 9> numbers;
        for (size_t k = 0; k < numbers.size(); ++k)
            numbers[k] = NumbersRecord::numberAt(record, static_cast<int>(k) + 1);
        lines->append(entryLineText(numbers, tag));
    }
    *damage = entries.damageMessage();
    return {};
}

} // namespace vx
