#include "entries/textimport.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
// Main pool 49; six mains and an extra from a pool of 10 unless changed.
ImportRules rules(int picked = 6, int bonusPicked = 1, int bonusPool = 10)
{
    return {49, int16_t(picked), int16_t(bonusPicked), int16_t(bonusPool)};
}

} // namespace

TEST(TextImport, ReadsTheColumnsOfALine)
{
    const struct {
        const char *text;
        ImportRules rules;
        ImportCode code;
        ImportLine read;
    } cases[] = {
        {"03 12 25 33 41 47 09", rules(), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}, 9}},
        {"03 12 25 33 41 47 09", rules(6, 0), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}}},
        {"47 03 25 33 41 12 09", rules(), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}, 9}},
        {"3 ;12x25|33 41 47,9", rules(), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}, 9}},
        {"05 01 02 03 04 06 07", rules(7, 0), ImportCode::Valid, ImportLine {{1, 2, 3, 4, 5, 6, 7}}},
        {"09 08 07 10", rules(3, 1, 10), ImportCode::Valid, ImportLine {{7, 8, 9}, 10}},
        {"03 12 25 33 41", rules(), ImportCode::OutOfRange, {}},
        {"03 12 25 33 41 47 11", rules(), ImportCode::OutOfRange, {}},
        {"00 12 25 33 41 47 09", rules(), ImportCode::OutOfRange, {}},
        {"03 12 25 33 41 50 09", rules(), ImportCode::OutOfRange, {}},
        {"ab 12 25 33 41 47 09", rules(), ImportCode::OutOfRange, {}},
        {"", rules(), ImportCode::OutOfRange, {}},
        {"03 12 12 33 41 47 09", rules(), ImportCode::SameBalls, {}},
        {"03 12 25 33 41 47 03", rules(), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}, 3}},
        // An extra drawn from the main balls lies in the main pool.
        {"03 12 25 33 41 47 40", rules(6, 1, 0), ImportCode::Valid, ImportLine {{3, 12, 25, 33, 41, 47}, 40}},
        {"03 12 25 33 41 47 50", rules(6, 1, 0), ImportCode::OutOfRange, {}},
        {"03 12 25 33 41 47 40", rules(6, 1, 10), ImportCode::OutOfRange, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        ImportLine read;
        EXPECT_EQ(readImportLine(c.text, c.rules, &read), c.code);
        if (c.code == ImportCode::Valid) {
            EXPECT_EQ(read, c.read);
        }
    }
}

TEST(TextImport, ChecksTheFileAndTheDate)
{
    TestFolder folder;
    const QString text = folder.file("a.txt"), target = folder.file("Lotto05NOV2025.lot");
    const QByteArray good = "03 12 25 33 41 47 09\r\n47 03 25 33 41 12 02\n";
    folder.writeBytes("a.txt", good + "01 02 03 04 05 06 07\n01 01 02 03 04 05 06\n");
    EXPECT_EQ(validateImport(text, target, rules()).code, ImportCode::SameBalls);
    EXPECT_EQ(validateImport("", target, rules()).code, ImportCode::NoFile);
    EXPECT_EQ(validateImport(folder.file("none.txt"), target, rules()).code, ImportCode::NotReadable);

    // A file of count 0 is overwritten from record 1; what it holds past the new records stays.
    folder.writeBytes("a.txt", good);
    const NumbersRecord stale = entryRecord({9, 9, 9, 9, 9, 9}, 9);
    const auto withCount = [&](int32_t count) {
        writeNumbersFile(target, {stale, stale, stale});
        writeFileBytes(target, folder.bytes("Lotto05NOV2025.lot").replace(0, 4, QByteArray((char *)&count, 4)));
    };
    withCount(0);
    const QByteArray old = folder.bytes("Lotto05NOV2025.lot");
    const ImportCheck check = validateImport(text, target, rules());
    ASSERT_EQ(check.code, ImportCode::Valid);
    ASSERT_TRUE(writeImport(target, check.lines, QDate(2025, 11, 5)).ok);
    const QByteArray bytes = folder.bytes("Lotto05NOV2025.lot");
    ASSERT_EQ(bytes.size(), 90);
    EXPECT_EQ(bytes.mid(60), old.mid(60));
    EXPECT_EQ(bytes.toHex(' ').left(3 * 30 - 1),
        "02 00 00 00 00 00 05 00 0b 00 e9 07 03 00 0c 00 19 00 21 00 29 00 2f 00 00 00 09 00 00 00");
    // Now the date has entries; a damaged negative count is kept from harm too.
    EXPECT_EQ(validateImport(text, target, rules()).code, ImportCode::DateHasEntries);
    withCount(-1);
    EXPECT_EQ(validateImport(text, target, rules()).code, ImportCode::DateHasEntries);

    // An empty text gives a file whose record 1 counts 0.
    folder.writeBytes("a.txt", "");
    const QString empty = folder.file("Lotto06NOV2025.lot");
    ASSERT_EQ(validateImport(text, empty, rules()).code, ImportCode::Valid);
    ASSERT_TRUE(writeImport(empty, {}, QDate(2025, 11, 6)).ok);
    EXPECT_EQ(fileBytes(empty), QByteArray(30, '\0'));
}

TEST(TextImport, RefusesTooManyLinesAndLeavesNoHalfWrittenFile)
{
    TestFolder folder;
    QByteArray text;
    for (int k = 0; k < MaxNumbersRecords; ++k)
        text += "01 02 03 04 05 06 07\n";
    folder.writeBytes("full.txt", text);
    folder.writeBytes("over.txt", text + "01 02 03 04 05 06 07");
    const QString target = folder.file("Lotto05NOV2025.lot");
    const ImportCheck full = validateImport(folder.file("full.txt"), target, rules());
    ASSERT_EQ(full.code, ImportCode::Valid);
    EXPECT_EQ(full.lines.size(), size_t(MaxNumbersRecords));
    EXPECT_EQ(validateImport(folder.file("over.txt"), target, rules()).code, ImportCode::TooManyLines);

    const FailingFileWrites disk(1000);
    const FileResult written = writeImport(target, full.lines, QDate(2025, 11, 5));
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.message,
        "The file Lotto05NOV2025.lot could not be written: No space left on device. "
        "Nothing was imported.");
    EXPECT_FALSE(folder.exists("Lotto05NOV2025.lot"));
}

// The largest file of entries that can be is read; a byte more is refused before it is read. The
// contents list cuts a line at the longest it shows whole.
TEST(TextImport, AFileLargerThanAnyFileOfEntriesIsRefusedUnread)
{
    TestFolder folder;
    const QString target = folder.file("Lotto05NOV2025.lot");
    const QByteArray line = QByteArray("03 12 25 33 41 47 09").leftJustified(MaxImportLineLength, ' ') + "\r\n";
    QByteArray largest;
    for (int k = 0; k < MaxNumbersRecords; ++k)
        largest += line;
    ASSERT_EQ(largest.size(), MaxImportFileBytes);
    folder.writeBytes("largest.txt", largest);
    const ImportCheck check = validateImport(folder.file("largest.txt"), target, rules());
    EXPECT_EQ(check.code, ImportCode::Valid);
    EXPECT_EQ(check.lines.size(), size_t(MaxNumbersRecords));
    folder.writeBytes("larger.txt", largest + "0");
    EXPECT_EQ(validateImport(folder.file("larger.txt"), target, rules()).code, ImportCode::TooLarge);
    EXPECT_EQ(importMessage(ImportCode::TooLarge),
        "Your txt file is larger than any file of 32767 entries can be, so it is not a file of entries. Nothing was "
        "imported.");
    EXPECT_FALSE(folder.exists("Lotto05NOV2025.lot"));

    const QByteArray longLine = QByteArray(MaxImportLineLength, 'x') + "yz";
    EXPECT_EQ(importListLines("01 02\n" + longLine + "\n" + line),
        QStringList({"01 02", QString(MaxImportLineLength, 'x'), QString::fromLatin1(line.chopped(2))}));
}
