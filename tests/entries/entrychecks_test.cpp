#include "entries/entrychecks.h"
#include "gamedata/boxvalue.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace vx;

namespace {
std::vector<double> boxes(const QStringList &texts)
{
    std::vector<double> values;
    for (const QString &t : texts)
        values.push_back(BoxValue(t));
    return values;
}

const EntryRules SixNoBonus {6, 0, 49, 0};
const EntryRules FiveBonusFromMain {5, 1, 49, 0};
const EntryRules FiveOwnBonus {5, 1, 49, 26};
const EntryRules SevenAndTen {7, 1, 49, 10};
constexpr int Both = -1; // the manual Add and Change agree
} // namespace

TEST(EntryFaults, FaultCodesOfAddAndChange)
{
    // Fault 1: numbers the same, 2: not a number (below 1), 3: out of range. The last failing
    // test decides; ranges are tested on the numbers as typed, sameness on the numbers stored.
    struct Case {
        QStringList typed;
        const EntryRules &rules;
        int add, change;
    };
    const Case cases[] = {
        {{"5", "05", "7", "8", "9", "10"}, SixNoBonus, 1, Both},
        {{"4.6", "5.4", "7", "8", "9", "10"}, SixNoBonus, 1, Both}, // both stored as 5
        {{"12abc", "1", "2", "3", "4", "5"}, SixNoBonus, 0, Both},
        {{"0.7", "2", "3", "4", "5", "6"}, SixNoBonus, 2, Both}, // stored as 1, but typed below
        {{"1", "2", "3", "4", "5", "49.2"}, SixNoBonus, 3, Both},
        {{"1", "2", "3", "4", "5", "48.6"}, SixNoBonus, 0, Both},
        {{"1", "2", "3", "4", "5", "26.2"}, FiveOwnBonus, 3, Both},
        {{"1", "2", "3", "4", "5", "0.7"}, FiveOwnBonus, 3, 2},
        // Two empty boxes are equal and below 1; a later box out of range overrides an empty one,
        // an empty box after one out of range is tested later.
        {{"", "", "7", "8", "9", "10"}, SixNoBonus, 2, Both},
        {{"", "2", "7", "8", "9", "50"}, SixNoBonus, 3, Both},
        {{"50", "2", "7", "8", "9", ""}, SixNoBonus, 2, Both},
        // Beyond sixteen bits: out of range, not wrapped.
        {{"65537", "2", "3", "4", "5", "6"}, SixNoBonus, 3, Both},
        {{"99999999999999999999", "2", "3", "4", "5", "6"}, SixNoBonus, 3, Both},
        {{"-65535", "2", "3", "4", "5", "6"}, SixNoBonus, 2, Both},
        // A bonus from the main pool is tested with the mains.
        {{"1", "2", "3", "4", "5", "3"}, FiveBonusFromMain, 1, Both},
        {{"1", "2", "3", "4", "5", "50"}, FiveBonusFromMain, 3, Both},
        {{"1", "2", "3", "4", "5", "49"}, FiveBonusFromMain, 0, Both},
        // A bonus of its own pool may equal a main; zero is refused differently by the two windows.
        {{"1", "2", "3", "4", "5", "0"}, FiveOwnBonus, 3, 2},
        {{"1", "2", "3", "4", "5", "27"}, FiveOwnBonus, 3, Both},
        {{"1", "2", "3", "4", "5", "3"}, FiveOwnBonus, 0, Both},
        {{"1", "1", "3", "4", "5", "0"}, FiveOwnBonus, 3, 2}, // the bonus is tested last
        // Seven mains with a bonus use the eighth box.
        {{"9", "3", "7", "1", "40", "22", "15", "8"}, SevenAndTen, 0, Both},
        {{"9", "3", "7", "1", "40", "22", "15", "11"}, SevenAndTen, 3, Both},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        const std::vector<double> typed = boxes(c.typed);
        EXPECT_EQ(entryFault(EntryWindow::ManualAdd, typed, c.rules), c.add) << "case " << i << " Add";
        EXPECT_EQ(entryFault(EntryWindow::Change, typed, c.rules), c.change == Both ? c.add : c.change)
            << "case " << i << " Change";
    }
    EXPECT_EQ(entryFaultMessage(1), QStringLiteral("One or more of your numbers are the same!"));
    EXPECT_EQ(entryFaultMessage(2), QStringLiteral("One or more of your entries is not a number!"));
    EXPECT_EQ(entryFaultMessage(3), QStringLiteral("One or more of your numbers are out of range for the game!"));
}

TEST(EntryFaults, BuiltEntriesAreRoundedHalvesToEvenAndSorted)
{
    EXPECT_EQ(buildEntry(boxes({"2.5", "3.5", "10", "11", "12", "13"}), SixNoBonus).mains,
        (std::array<int16_t, 7> {2, 4, 10, 11, 12, 13, 0}));
    const EntryNumbers entry = buildEntry(boxes({"9", "3", "7", "1", "40", "22", "15", "8"}), SevenAndTen);
    EXPECT_EQ(entry.mains, (std::array<int16_t, 7> {1, 3, 7, 9, 15, 22, 40}));
    EXPECT_EQ(entry.bonus, 8);
}

TEST(EditedLine, MainsBonusAndTag)
{
    EntryNumbers entry;
    entry.mains = {3, 12, 25, 40, 44, 0, 0};
    entry.bonus = 7;
    EXPECT_EQ(editedEntryLine(entry, FiveOwnBonus, QStringLiteral("PB")), QStringLiteral("03 12 25 40 44 PB 07"));
    entry.mains = {1, 2, 3, 4, 5, 6, 0};
    EXPECT_EQ(editedEntryLine(entry, SixNoBonus, QStringLiteral("PB")), QStringLiteral("01 02 03 04 05 06 "));
    entry.mains = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(
        editedEntryLine(entry, EntryRules {7, 0, 49, 0}, QStringLiteral("PB")), QStringLiteral("01 02 03 04 05 06 07"));
}

// ---------------------------------------------------------------------------------------------

namespace {
ResultCheck result(const QStringList &texts, const ResultRules &rules)
{
    return checkResult(boxes(texts), rules);
}
const ResultRules SixOneOwnTen {6, 1, 49, 0, 10};
const ResultRules SixOneFromMain {6, 1, 49, 1, 0};
const ResultRules FiveTwoOwn {5, 2, 49, 0, 20};
const ResultRules FiveTwoFromMain {5, 2, 49, 1, 0};
const QString MainRange = "One or more of your main numbers is not in the correct range";
const QString ExtraRange = "Your extra number is not in the correct range";
const QString DuplicateMains = "You have duplicate main numbers";
const QString ExtraDrawn = "Your extra ball has already been drawn as a main ball number!";
} // namespace

TEST(ResultChecks, ChecksStandInTheirOrder)
{
    // Every box is its rounded value before any test. Mains out of range come first, then a bad
    // extra (11 is beyond a bonus pool of 10), equal extras, duplicate mains, an extra drawn as a main.
    struct Case {
        QStringList typed;
        const ResultRules &rules;
        QString message;
    };
    const Case cases[] = {
        {{"5", "3", "40", "12", "7", "22", "11"}, SixOneOwnTen, ExtraRange},
        {{"50", "3", "3", "12", "7", "22", "11"}, SixOneOwnTen, MainRange},
        {{"7a", "", "40", "12", "7", "22", "1"}, SixOneOwnTen, MainRange},
        {{"0.5", "3", "40", "12", "7", "22", "9"}, SixOneOwnTen, MainRange},
        {{"3", "3", "40", "12", "7", "22", "0"}, SixOneOwnTen, ExtraRange},
        {{"3", "3", "40", "12", "7", "22", "1"}, SixOneOwnTen, DuplicateMains},
        {{"3", "3", "40", "12", "7", "6", "6"}, FiveTwoOwn, "Your extra numbers are the same"},
        {{"3", "3", "40", "12", "7", "22", "40"}, SixOneFromMain, DuplicateMains},
        {{"3", "4", "40", "12", "7", "22", "40"}, SixOneFromMain, ExtraDrawn},
        {{"3", "4", "5", "6", "7", "8", "7"}, SixOneOwnTen, ""},
        // The extras are put in order before the first is compared with the mains.
        {{"10", "20", "30", "40", "45", "45", "10"}, FiveTwoFromMain, ExtraDrawn},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(result(cases[i].typed, cases[i].rules).message, cases[i].message) << "case " << i;
}

TEST(ResultChecks, RecordsHoldSortedMainsAndOrderedExtras)
{
    // Typed as 45 and 9, the first extra is 9, and 45 (a main) is never compared.
    struct Case {
        QStringList typed;
        const ResultRules &rules;
        std::array<int16_t, 7> main;
        std::array<int16_t, 2> extra;
    };
    const Case cases[] = {
        {{"5", "3", "40", "12", "7", "22", "9"}, SixOneOwnTen, {3, 5, 7, 12, 22, 40, 0}, {9, 0}},
        {{"49.4", "3", "40", "12", "7", "22", "9.5"}, SixOneOwnTen, {3, 7, 12, 22, 40, 49, 0}, {10, 0}},
        {{"10", "20", "30", "40", "45", "9", "4"}, FiveTwoOwn, {10, 20, 30, 40, 45, 0, 0}, {4, 9}},
        {{"10", "20", "30", "40", "45", "9", "45"}, FiveTwoFromMain, {10, 20, 30, 40, 45, 0, 0}, {9, 45}},
        {{"10", "20", "30", "40", "45", "45", "9"}, FiveTwoFromMain, {10, 20, 30, 40, 45, 0, 0}, {9, 45}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ResultCheck check = result(cases[i].typed, cases[i].rules);
        ASSERT_TRUE(check.ok()) << "case " << i << ": " << check.message.toStdString();
        EXPECT_EQ(check.record.main, cases[i].main) << "case " << i;
        EXPECT_EQ(check.record.extra, cases[i].extra) << "case " << i;
    }
    EXPECT_FALSE(result({"3", "4", "5", "6", "7", "8", "7"}, SixOneFromMain).ok());
}
