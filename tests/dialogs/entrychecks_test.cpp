#include "dialogs/entrychecks.h"
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

int addFault(const QStringList &texts, const EntryRules &rules)
{
    return entryFault(EntryWindow::ManualAdd, boxes(texts), rules);
}

int changeFault(const QStringList &texts, const EntryRules &rules)
{
    return entryFault(EntryWindow::Change, boxes(texts), rules);
}

const EntryRules SixNoBonus { 6, 0, 49, 0 };
const EntryRules FiveBonusFromMain { 5, 1, 49, 0 };
const EntryRules FiveOwnBonus { 5, 1, 49, 26 };
} // namespace

TEST(EntryFaults, SameNumberTypedDifferentlyIsTheSame)
{
    EXPECT_EQ(addFault({ "5", "05", "7", "8", "9", "10" }, SixNoBonus), 1);
    EXPECT_EQ(changeFault({ "5", "05", "7", "8", "9", "10" }, SixNoBonus), 1);
    EXPECT_EQ(entryFaultMessage(1), QStringLiteral("One or more of your numbers are the same!"));
}

TEST(EntryFaults, LeadingNumberCountsAndHalvesRoundToEven)
{
    EXPECT_EQ(addFault({ "12abc", "1", "2", "3", "4", "5" }, SixNoBonus), 0);
    const std::vector<double> typed = boxes({ "2.5", "3.5", "10", "11", "12", "13" });
    EXPECT_EQ(entryFault(EntryWindow::ManualAdd, typed, SixNoBonus), 0);
    const EntryNumbers entry = buildEntry(typed, SixNoBonus);
    EXPECT_EQ(entry.mains, (std::array<int16_t, 7> { 2, 4, 10, 11, 12, 13, 0 }));
}

TEST(EntryFaults, NumbersThatWouldBeStoredAlikeAreTheSame)
{
    // 4.6 and 5.4 would both be stored as 5.
    EXPECT_EQ(addFault({ "4.6", "5.4", "7", "8", "9", "10" }, SixNoBonus), 1);
    EXPECT_EQ(changeFault({ "4.6", "5.4", "7", "8", "9", "10" }, SixNoBonus), 1);
}

TEST(EntryFaults, RangesAreTestedOnTheNumbersAsTyped)
{
    // 0.7 would be stored as 1 and 49.2 as 49, but as typed they lie outside 1 to the pool.
    EXPECT_EQ(addFault({ "0.7", "2", "3", "4", "5", "6" }, SixNoBonus), 2);
    EXPECT_EQ(changeFault({ "0.7", "2", "3", "4", "5", "6" }, SixNoBonus), 2);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "49.2" }, SixNoBonus), 3);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "49.2" }, SixNoBonus), 3);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "26.2" }, FiveOwnBonus), 3);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "0.7" }, FiveOwnBonus), 2);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "48.6" }, SixNoBonus), 0);
}

TEST(EntryFaults, TheLastFailingTestDecides)
{
    // Two empty boxes are equal (1) and below 1 (2); the later test stands.
    EXPECT_EQ(addFault({ "", "", "7", "8", "9", "10" }, SixNoBonus), 2);
    EXPECT_EQ(entryFaultMessage(2), QStringLiteral("One or more of your entries is not a number!"));
    // A later box out of range overrides an earlier empty one.
    EXPECT_EQ(addFault({ "", "2", "7", "8", "9", "50" }, SixNoBonus), 3);
    // An out-of-range box before an empty one: the empty box is tested later.
    EXPECT_EQ(addFault({ "50", "2", "7", "8", "9", "" }, SixNoBonus), 2);
}

TEST(EntryFaults, ValuesBeyondSixteenBitsAreOutOfRangeNotWrapped)
{
    EXPECT_EQ(addFault({ "65537", "2", "3", "4", "5", "6" }, SixNoBonus), 3);
    EXPECT_EQ(addFault({ "99999999999999999999", "2", "3", "4", "5", "6" }, SixNoBonus), 3);
    EXPECT_EQ(changeFault({ "-65535", "2", "3", "4", "5", "6" }, SixNoBonus), 2);
    EXPECT_EQ(entryFaultMessage(3), QStringLiteral("One or more of your numbers are out of range for the game!"));
}

TEST(EntryFaults, BonusFromTheMainPoolIsTestedWithTheMainNumbers)
{
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "3" }, FiveBonusFromMain), 1);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "3" }, FiveBonusFromMain), 1);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "50" }, FiveBonusFromMain), 3);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "49" }, FiveBonusFromMain), 0);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "49" }, FiveBonusFromMain), 0);
}

TEST(EntryFaults, OwnBonusPoolDiffersBetweenAddAndChangeForZero)
{
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "0" }, FiveOwnBonus), 3);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "0" }, FiveOwnBonus), 2);
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "27" }, FiveOwnBonus), 3);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "27" }, FiveOwnBonus), 3);
    // The bonus has its own pool, so it may equal a main number.
    EXPECT_EQ(addFault({ "1", "2", "3", "4", "5", "3" }, FiveOwnBonus), 0);
    EXPECT_EQ(changeFault({ "1", "2", "3", "4", "5", "3" }, FiveOwnBonus), 0);
    // A bonus test overrides a main fault, being tested last.
    EXPECT_EQ(addFault({ "1", "1", "3", "4", "5", "0" }, FiveOwnBonus), 3);
}

TEST(EntryFaults, SevenMainsWithABonusUseTheEighthBox)
{
    const EntryRules rules { 7, 1, 49, 10 };
    const std::vector<double> typed = boxes({ "9", "3", "7", "1", "40", "22", "15", "8" });
    EXPECT_EQ(entryFault(EntryWindow::ManualAdd, typed, rules), 0);
    const EntryNumbers entry = buildEntry(typed, rules);
    EXPECT_EQ(entry.mains, (std::array<int16_t, 7> { 1, 3, 7, 9, 15, 22, 40 }));
    EXPECT_EQ(entry.bonus, 8);
    EXPECT_EQ(addFault({ "9", "3", "7", "1", "40", "22", "15", "11" }, rules), 3);
}

TEST(EditedLine, MainsBonusAndTag)
{
    EntryNumbers entry;
    entry.mains = { 3, 12, 25, 40, 44, 0, 0 };
    entry.bonus = 7;
    EXPECT_EQ(editedEntryLine(entry, FiveOwnBonus, QStringLiteral("PB")), QStringLiteral("03 12 25 40 44 PB 07"));
    entry.mains = { 1, 2, 3, 4, 5, 6, 0 };
    EXPECT_EQ(editedEntryLine(entry, SixNoBonus, QStringLiteral("PB")), QStringLiteral("01 02 03 04 05 06 "));
    entry.mains = { 1, 2, 3, 4, 5, 6, 7 };
    EXPECT_EQ(editedEntryLine(entry, EntryRules { 7, 0, 49, 0 }, QStringLiteral("PB")),
        QStringLiteral("01 02 03 04 05 06 07"));
}

// ---------------------------------------------------------------------------------------------

namespace {
ResultCheck result(const QStringList &texts, const ResultRules &rules)
{
    return checkResult(boxes(texts), rules);
}
const ResultRules SixOneOwnTen { 6, 1, 49, 0, 10 };
const ResultRules SixOneFromMain { 6, 1, 49, 1, 0 };
const ResultRules FiveTwoOwn { 5, 2, 49, 0, 20 };
} // namespace

TEST(ResultChecks, SortsMainsAndKeepsTheExtra)
{
    const ResultCheck check = result({ "5", "3", "40", "12", "7", "22", "9" }, SixOneOwnTen);
    ASSERT_TRUE(check.ok()) << check.message.toStdString();
    EXPECT_EQ(check.record.main, (std::array<int16_t, 7> { 3, 5, 7, 12, 22, 40, 0 }));
    EXPECT_EQ(check.record.extra, (std::array<int16_t, 2> { 9, 0 }));
}

TEST(ResultChecks, ExtraAboveItsOwnPoolIsRefused)
{
    EXPECT_EQ(result({ "5", "3", "40", "12", "7", "22", "11" }, SixOneOwnTen).message,
        QStringLiteral("Your extra number is not in the correct range"));
}

TEST(ResultChecks, ChecksStandInTheirOrder)
{
    // A main out of range is reported before a bad extra and before duplicates.
    EXPECT_EQ(result({ "50", "3", "3", "12", "7", "22", "11" }, SixOneOwnTen).message,
        QStringLiteral("One or more of your main numbers is not in the correct range"));
    EXPECT_EQ(result({ "7a", "", "40", "12", "7", "22", "1" }, SixOneOwnTen).message,
        QStringLiteral("One or more of your main numbers is not in the correct range"));
    // A bad extra before duplicate mains.
    EXPECT_EQ(result({ "3", "3", "40", "12", "7", "22", "0" }, SixOneOwnTen).message,
        QStringLiteral("Your extra number is not in the correct range"));
    EXPECT_EQ(result({ "3", "3", "40", "12", "7", "22", "1" }, SixOneOwnTen).message,
        QStringLiteral("You have duplicate main numbers"));
    // Equal extras before duplicate mains.
    EXPECT_EQ(result({ "3", "3", "40", "12", "7", "6", "6" }, FiveTwoOwn).message,
        QStringLiteral("Your extra numbers are the same"));
    // Duplicate mains before an extra that repeats a main.
    EXPECT_EQ(result({ "3", "3", "40", "12", "7", "22", "40" }, SixOneFromMain).message,
        QStringLiteral("You have duplicate main numbers"));
    EXPECT_EQ(result({ "3", "4", "40", "12", "7", "22", "40" }, SixOneFromMain).message,
        QStringLiteral("Your extra ball has already been drawn as a main ball number!"));
}

TEST(ResultChecks, ExtraEqualToAMainDependsOnItsPool)
{
    EXPECT_FALSE(result({ "3", "4", "5", "6", "7", "8", "7" }, SixOneFromMain).ok());
    EXPECT_TRUE(result({ "3", "4", "5", "6", "7", "8", "7" }, SixOneOwnTen).ok());
}

TEST(ResultChecks, TwoExtrasAreStoredInOrderAndTheSecondIsNotComparedWithMains)
{
    const ResultCheck check = result({ "10", "20", "30", "40", "45", "9", "4" }, FiveTwoOwn);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.record.extra, (std::array<int16_t, 2> { 4, 9 }));

    const ResultCheck fromMain = result({ "10", "20", "30", "40", "45", "9", "45" }, ResultRules { 5, 2, 49, 1, 0 });
    ASSERT_TRUE(fromMain.ok());
    EXPECT_EQ(fromMain.record.extra, (std::array<int16_t, 2> { 9, 45 }));

    // The extras are put in order before the first is compared with the mains: typed as 45 and 9,
    // the first extra is 9, and 45 (a main) is never compared.
    const ResultCheck swapped = result({ "10", "20", "30", "40", "45", "45", "9" }, ResultRules { 5, 2, 49, 1, 0 });
    ASSERT_TRUE(swapped.ok()) << swapped.message.toStdString();
    EXPECT_EQ(swapped.record.extra, (std::array<int16_t, 2> { 9, 45 }));
    EXPECT_EQ(result({ "10", "20", "30", "40", "45", "45", "10" }, ResultRules { 5, 2, 49, 1, 0 }).message,
        QStringLiteral("Your extra ball has already been drawn as a main ball number!"));
}

TEST(ResultChecks, BoxesAreReadAsRoundedNumbers)
{
    // Every box is its rounded value before any test: 0.5 is 0 and out of range, 49.4 is 49.
    EXPECT_EQ(result({ "0.5", "3", "40", "12", "7", "22", "9" }, SixOneOwnTen).message,
        QStringLiteral("One or more of your main numbers is not in the correct range"));
    const ResultCheck check = result({ "49.4", "3", "40", "12", "7", "22", "9.5" }, SixOneOwnTen);
    ASSERT_TRUE(check.ok()) << check.message.toStdString();
    EXPECT_EQ(check.record.main[5], 49);
    EXPECT_EQ(check.record.extra[0], 10);
}
