#include "gamedata/rnd.h"
#include "support/scriptedplatform.h"
#include "support/testfolder.h"
#include "wheels/wheelengine.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace vx;
using namespace vx::test;

namespace {
// The generator's next value from a given state, the state left as it was found afterwards.
float nextFrom(uint64_t state)
{
    RndTesting::setState(state);
    return Rnd();
}
} // namespace

TEST(WheelEngine, TheMostDrawnBallsComeFirstTiesByNumber)
{
    const std::vector<NumbersRecord> draws = {drawRecord(2025, 1, 1, {5, 9, 12, 40, 61}),
        drawRecord(2025, 1, 8, {9, 12, 33, -4, 0}), drawRecord(2025, 1, 15, {12, 33, 1, 2}, {9, 9})};
    // 12 three times; 9 and 33 twice; then 1, 2, 5, 40 once. Extras, 0, -4, and 61 above the pool never count.
    EXPECT_EQ(rankDrawnBalls(draws, 60), (std::vector<int16_t> {12, 9, 33, 1, 2, 5, 40}));
    EXPECT_EQ(rankDrawnBalls(draws, 20), (std::vector<int16_t> {12, 9, 1, 2, 5}));
    EXPECT_TRUE(rankDrawnBalls({}, 49).empty());
}

TEST(WheelEngine, AShortGroupIsPaddedWithDistinctRandomBallsAfterAReseed)
{
    platform::TestMode mode(QString(), QDateTime(ScriptedToday, QTime(1, 0, 0, 500))); // 3600.5 s since midnight
    for (int maxBall : {6, 12, 49, 60}) {
        for (int typed = 0; typed < 6; ++typed) {
            RndTesting::setState(99);
            std::vector<int16_t> group;
            for (int b = 1; b <= typed; ++b)
                group.push_back(static_cast<int16_t>(maxBall + 1 - b));
            const std::vector<int16_t> before = group;
            padGroup(group, 20, maxBall);
            EXPECT_EQ(group.size(), static_cast<size_t>(std::min(20, maxBall)));
            EXPECT_TRUE(std::equal(before.begin(), before.end(), group.begin()));
            EXPECT_EQ(std::set<int16_t>(group.begin(), group.end()).size(), group.size());
            EXPECT_TRUE(std::all_of(group.begin(), group.end(), [&](int16_t b) { return b >= 1 && b <= maxBall; }));
            // The same state and time of day give the same group; another time of day another one.
            RndTesting::setState(99);
            std::vector<int16_t> again = before;
            padGroup(again, 20, maxBall);
            EXPECT_EQ(again, group);
            RndTesting::setState(99);
            mode.clock.setTime(QTime(2, 0, 0, 250));
            again = before;
            padGroup(again, 20, maxBall);
            if (maxBall - typed > 3)
                EXPECT_NE(again, group) << maxBall << " " << typed;
            mode.clock.setTime(QTime(1, 0, 0, 500));
        }
    }
    // A full group leaves the generator alone.
    RndTesting::setState(7);
    std::vector<int16_t> full = {1, 2, 3, 4, 5, 6, 7};
    padGroup(full, 7, 49);
    EXPECT_EQ(full.size(), 7u);
    const float next = Rnd();
    EXPECT_EQ(next, nextFrom(7));
}

TEST(WheelEngine, TypedGroupsAreWholeNumbersOfThePoolEachOnce)
{
    const struct {
        QStringList boxes;
        std::vector<int16_t> balls;
        QString fault;
    } cases[] = {
        {{"1", " 49 ", "", "7"}, {1, 49, 0, 7}, {}},
        {{"", ""}, {0, 0}, {}},
        {{"1", "50"}, {}, "Every ball of the group must be a whole number from 1 to 49."},
        {{"0"}, {}, "Every ball of the group must be a whole number from 1 to 49."},
        {{"-3"}, {}, "Every ball of the group must be a whole number from 1 to 49."},
        {{"12a"}, {}, "Every ball of the group must be a whole number from 1 to 49."},
        {{"2.5"}, {}, "Every ball of the group must be a whole number from 1 to 49."},
        {{"7", "3", "07"}, {}, "Ball 7 is in the group twice."},
    };
    for (const auto &c : cases) {
        const TypedGroup typed = readTypedGroup(c.boxes, 49);
        EXPECT_EQ(typed.fault, c.fault) << c.boxes.join(',').toStdString();
        if (c.fault.isEmpty())
            EXPECT_EQ(typed.balls, c.balls);
    }
}

// A damaged game file may give a main pool above 60; the group still takes balls up to 60 only,
// as the suggestion and the padding do.
TEST(WheelEngine, APoolBeyondSixtyTakesBallsUpToSixty)
{
    const QString upToSixty = "Every ball of the group must be a whole number from 1 to 60.";
    for (const int pool : {61, 64, 70, 99}) {
        SCOPED_TRACE(pool);
        for (const QStringList &boxes : {QStringList {"61"}, QStringList {"1", "64"}, QStringList {"63", "63"},
                 QStringList {"70"}, QStringList {"5", "", "99"}})
            EXPECT_EQ(readTypedGroup(boxes, pool).fault, upToSixty) << boxes.join(',').toStdString();
        const TypedGroup typed = readTypedGroup({"60", "", "1", "33"}, pool);
        EXPECT_TRUE(typed.fault.isEmpty()) << typed.fault.toStdString();
        EXPECT_EQ(typed.balls, (std::vector<int16_t> {60, 0, 1, 33}));
        EXPECT_EQ(readTypedGroup({"60", "060"}, pool).fault, "Ball 60 is in the group twice.");
    }
    // Pools up to 60 as they were.
    EXPECT_EQ(readTypedGroup({"60", "1"}, 60).balls, (std::vector<int16_t> {60, 1}));
    EXPECT_EQ(readTypedGroup({"61"}, 60).fault, upToSixty);
    EXPECT_EQ(readTypedGroup({"41"}, 40).fault, "Every ball of the group must be a whole number from 1 to 40.");
    EXPECT_EQ(readTypedGroup({"1"}, 0).fault, "Every ball of the group must be a whole number from 1 to 0.");
}

TEST(WheelEngine, EntriesHoldTheGroupsBallsSortedTheCountInEveryRecordAndExtrasByTheRule)
{
    WheelDesign design;
    design.type = {6, 5, 3, 7};
    design.group = 8;
    design.lines = {0b00111111, 0b11111100, 0b11010111};
    const std::vector<int16_t> group = {40, 3, 17, 8, 25, 1, 33, 12};
    std::mt19937 random(7);
    auto draw = [&] { return std::uniform_real_distribution<float>(0.0f, 0.99999f)(random); };

    const std::vector<NumbersRecord> plain = wheelEntries(design, group, {}, draw);
    ASSERT_EQ(plain.size(), 3u);
    const std::array<int16_t, 7> expected[]
        = {{1, 3, 8, 17, 25, 40, 0}, {1, 8, 12, 17, 25, 33, 0}, {3, 12, 17, 25, 33, 40, 0}};
    for (size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(plain[i].main, expected[i]);
        EXPECT_EQ(plain[i].count, 3);
        EXPECT_EQ(plain[i].number + plain[i].day + plain[i].month + plain[i].year, 0);
        EXPECT_EQ(plain[i].extra, (std::array<int16_t, 2> {0, 0}));
    }

    // Many entries, so every extra value of a small pool comes up.
    design.lines.assign(400, 0b00111111);
    std::set<int16_t> own, fromMain;
    for (const NumbersRecord &entry : wheelEntries(design, group, {WheelExtraRule::Kind::OwnPool, 4}, draw))
        own.insert(entry.extra[0]);
    EXPECT_EQ(own, (std::set<int16_t> {1, 2, 3, 4}));
    for (const NumbersRecord &entry : wheelEntries(design, group, {WheelExtraRule::Kind::MainPool, 42}, draw)) {
        fromMain.insert(entry.extra[0]);
        EXPECT_EQ(entry.extra[1], 0);
    }
    EXPECT_EQ(fromMain.size(), 42u - 6u); // never one of the entry's own main numbers
    for (const int16_t ball : {1, 3, 8, 17, 25, 40})
        EXPECT_FALSE(fromMain.count(ball)) << ball;
}

TEST(WheelEngine, TheFileIsWrittenWholeOrNotAtAll)
{
    TestFolder folder;
    const QString path = folder.file("Lotto-6-5-3.lot");
    std::vector<NumbersRecord> entries(3, entryRecord({1, 2, 3, 4, 5, 6}, 9));
    for (NumbersRecord &entry : entries)
        entry.count = 3;
    ASSERT_TRUE(saveWheelFile(path, entries).ok);
    const QByteArray three = folder.bytes("Lotto-6-5-3.lot");
    ASSERT_EQ(three.size(), 90);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(rawInt32(three, (n - 1) * 30), 3) << n;
        EXPECT_EQ(rawRecord(three, n), entries[0]);
    }
    // A longer old file is replaced, not overwritten in place.
    writeNumbersFile(path, std::vector<NumbersRecord>(9, entryRecord({7, 8, 9, 10, 11, 12})));
    ASSERT_TRUE(saveWheelFile(path, entries).ok);
    EXPECT_EQ(folder.bytes("Lotto-6-5-3.lot"), three);
    {
        const FailingFileWrites full(45);
        const FileResult failed = saveWheelFile(path, std::vector<NumbersRecord>(2, entries[0]));
        EXPECT_FALSE(failed.ok);
        EXPECT_TRUE(failed.message.endsWith("could not be written: No space left on device."))
            << failed.message.toStdString();
    }
    EXPECT_EQ(folder.bytes("Lotto-6-5-3.lot"), three);
}

TEST(WheelEngine, TheCoverSheetNamesTheWheelAndItsFile)
{
    const WheelCover cover {"Lotto", "Lotto-6-5-3.lot", {6, 5, 3, 7}, {4, 17, 33}, 12};
    EXPECT_EQ(coverSheetLines(cover),
        (QStringList {"Wheel for Lotto", "", "Guarantee Match 3 if 5 Picked from Group", "Group of 3 balls: 04 17 33",
            "Lines (tickets): 12", "Entry file: Lotto-6-5-3.lot"}));
}
