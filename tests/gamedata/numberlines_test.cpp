#include "gamedata/numberlines.h"
#include "support/testfolder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace vx;
using namespace vx::test;

TEST(NumberLines, EntryLinesLeaveOutZerosAndEndWithASpaceButAfterASecondExtraWinningLinesShowTheFirstThree)
{
    const std::tuple<std::array<int16_t, 9>, const char *, const char *> rows[]
        = {{{3, 15, 22, 31, 40, 0, 0, 7, 0}, "03 15 22 31 40 PB 07 ", "03 15 22 31 40 PB 07(L)"},
            {{1, 9, 10, 23, 44, 49, 0, 0, 0}, "01 09 10 23 44 49 ", "01 09 10 23 44 49 (L)"},
            {{1, 2, 3, 4, 5, 6, 7, 0, 0}, "01 02 03 04 05 06 07 ", "01 02 03 04 05 06 07(L)"},
            {{1, 2, 3, 4, 5, 6, 7, 8, 0}, "01 02 03 04 05 06 07 PB 08 ", "01 02 03 04 05 06 07PB 08(L)"},
            {{1, 2, 3, 0, 0, 0, 0, 4, 5}, "01 02 03 PB 04 PB 05", "01 02 03 PB 04(L)"},
            {{1, 2, 3, 0, 0, 0, 0, 0, 5}, "01 02 03 PB 05", "01 02 03 (L)"},
            {{0, 2, 3, -4, 60, 0, 0, -1, 0}, "02 03 60 ", "00 02 03 60 (L)"}, {{}, "", "00 00 00 (L)"}};
    for (const auto &[n, entry, winning] : rows) {
        EXPECT_EQ(entryLineText(n, "PB").toStdString(), entry);
        EXPECT_EQ(
            checkedLineText({n[0], n[1], n[2], n[3], n[4], n[5], n[6]}, n[7], "(L)", "PB").toStdString(), winning);
    }
}

namespace {
// The lines as first written: each number made into a string of its own and the strings joined.
QString modelTwoDigits(int n)
{
    return n < 10 ? "0" + QString::number(n) : QString::number(n);
}
QString modelEntryLine(const std::array<int16_t, 9> &n, const QString &tag)
{
    QString line;
    for (size_t i = 0; i < 7; ++i)
        if (n[i] > 0)
            line += modelTwoDigits(n[i]) + ' ';
    if (n[7] > 0)
        line += tag + ' ' + modelTwoDigits(n[7]) + ' ';
    if (n[8] > 0)
        line += tag + ' ' + modelTwoDigits(n[8]);
    return line;
}
QString modelCheckedLine(const std::array<int16_t, 9> &n, const QString &suffix, const QString &tag)
{
    QString line;
    for (size_t i = 0; i < 6; ++i)
        if (i < 3 || n[i] > 0)
            line += modelTwoDigits(n[i]) + ' ';
    if (n[6] > 0)
        line += modelTwoDigits(n[6]);
    if (n[7] > 0)
        line += tag + ' ' + modelTwoDigits(n[7]);
    return line + suffix;
}
} // namespace

TEST(NumberLines, AreWhatJoiningEachNumberAsAStringGivesForAnyNumbersAndTag)
{
    std::mt19937 random(21);
    const int16_t edges[] = {INT16_MIN, -10, -1, 0, 1, 9, 10, 60, 99, 100, 999, INT16_MAX};
    for (int round = 0; round < 3000; ++round) {
        std::array<int16_t, 9> n;
        for (int16_t &v : n)
            v = random() % 3 ? int16_t(random() % 70) : random() % 2 ? edges[random() % 12] : int16_t(random());
        const QString tag = QString("PBXYZ0123456789").left(int(random() % 16));
        const QString suffix = QString("(6+PB)").left(int(random() % 7));
        ASSERT_EQ(entryLineText(n, tag), modelEntryLine(n, tag)) << round;
        ASSERT_EQ(checkedLineText({n[0], n[1], n[2], n[3], n[4], n[5], n[6]}, n[7], suffix, tag),
            modelCheckedLine(n, suffix, tag))
            << round;
        ASSERT_EQ(twoDigits(n[0]), modelTwoDigits(n[0]));
    }
}

// The list's lines of a file are those of its records as a whole read gives them, damaged or not.
TEST(NumberLines, AnEntryFileListsTheLinesOfTheRecordsAWholeReadGives)
{
    TestFolder folder;
    const std::vector<NumbersRecord> entries {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({10, 20, 30, 40, 50, 60}),
        drawRecord(0, 0, 0, {5, 15, 25, 35}, {1, 2})};
    for (const int32_t count : {3, 2, 0, 7, -1}) {
        QByteArray bytes = numbersFileBytes(entries);
        std::memcpy(bytes.data(), &count, 4);
        folder.writeBytes("e.lot", bytes);
        NumbersFileRead whole;
        ASSERT_TRUE(readNumbersFile(folder.file("e.lot"), &whole).ok);
        QStringList want;
        for (const NumbersRecord &r : whole.records)
            want << entryLineText(r.numbers(), "PB");
        QStringList lines;
        QString damage;
        ASSERT_TRUE(readEntryLines(folder.file("e.lot"), "PB", &lines, &damage).ok);
        EXPECT_EQ(std::pair(lines, damage), std::pair(want, whole.damageMessage())) << count;
    }
    QStringList lines {"stale"};
    QString damage;
    EXPECT_FALSE(readEntryLines(folder.file("none/e.lot"), "PB", &lines, &damage).ok);
}
