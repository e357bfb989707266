#include "slips/slipmarks.h"
#include "support/testfolder.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {

QByteArray floats(std::initializer_list<float> values)
{
    QByteArray bytes;
    for (float v : values) {
        char raw[4];
        qToLittleEndian(v, raw);
        bytes.append(raw, 4);
    }
    return bytes;
}

// Two boards, marks down the slip 0.5 by 4 mm, three main boxes and one bonus box.
const QByteArray smallLayout = floats({2, 1, 0.5f, 4, 3, 1, 10, 20, 110, 20.5f, 0, 0, 5, 0, 0, 6.25f, 2.5f, 30});

} // namespace

TEST(SlipLayoutFile, ReadsItsRecordsWritesThemBackByteForByteAndRefusesMissingAndDamagedFiles)
{
    QString message;
    const std::optional<SlipLayout> layout = parseSlipLayout(smallLayout, &message);
    ASSERT_TRUE(layout) << message.toStdString();
    const SlipLayout expected {2, 1, 0.5f, 4, {{10, 20}, {110, 20.5f}}, {{0, 0}, {5, 0}, {0, 6.25f}}, {{2.5f, 30}}};
    EXPECT_EQ(*layout, expected);
    EXPECT_EQ(slipLayoutBytes(*layout), smallLayout);

    // Random sound layouts survive the file, through the disk too.
    std::mt19937 rnd(15);
    std::uniform_real_distribution<float> mm(0, 150);
    TestFolder folder;
    const QString path = slipLayoutPath(folder.path(), QStringLiteral(" Lotto "));
    for (int round = 0; round < 50; ++round) {
        SlipLayout l = defaultSlipLayout(1 + static_cast<int>(rnd() % 60), static_cast<int>(rnd() % 40));
        l.boardsPerSlip = 1 + static_cast<int>(rnd() % SlipLayout::MaxBoards);
        l.orientation = static_cast<int>(rnd() % 2);
        l.markWidth = mm(rnd) / 20;
        l.boardOrigins.clear();
        for (int b = 0; b < l.boardsPerSlip; ++b)
            l.boardOrigins.push_back({mm(rnd), mm(rnd)});
        ASSERT_TRUE(saveSlipLayout(path, l, &message)) << message.toStdString();
        EXPECT_EQ(folder.bytes("Lotto.dat"), slipLayoutBytes(l));
        EXPECT_EQ(readSlipLayout(path, &message), l);
    }

    // Damaged files are refused, each with its reason.
    const struct {
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {smallLayout.left(smallLayout.size() - 1), "cut short"},
        {smallLayout.left(smallLayout.size() - 8), "holds 8 records where its first records call for 9"},
        {smallLayout + floats({1, 1}), "holds 10 records"},
        {floats({0, 0}) + smallLayout.mid(8), "impossible values"}, // no boards
        {floats({2, 2}) + smallLayout.mid(8), "impossible values"}, // no such orientation
        {smallLayout.left(8) + floats({NAN, 4}) + smallLayout.mid(16), "at most 10 mm wide"},
        {smallLayout.left(64) + floats({-20, 0}), "off the paper"}, // the bonus box left of the paper
    };
    for (const auto &c : cases) {
        folder.writeBytes("Lotto.dat", c.bytes);
        EXPECT_FALSE(readSlipLayout(folder.file("Lotto.dat"), &message));
        EXPECT_TRUE(message.contains("is damaged") && message.contains(QLatin1String(c.reason)))
            << message.toStdString();
    }
    EXPECT_FALSE(readSlipLayout(folder.file("Other.dat"), &message));
    EXPECT_TRUE(message.contains("has not been calibrated"));
    EXPECT_FALSE(folder.exists("Other.dat"));
    for (const auto &[name, clashes] : {std::pair {"GAME3 ", true}, {"print", true}, {"Game7", false}})
        EXPECT_EQ(!slipLayoutNameClash(name).isEmpty(), clashes) << name;
}

TEST(SlipMarks, EntriesFillTheBoardsOfASlipInOrderAndThenANewPage)
{
    SlipLayout layout = *parseSlipLayout(smallLayout, nullptr);
    QString problem;
    const std::vector<SlipMark> marks
        = slipMarks(layout, {entryRecord({1, 3}, 1), entryRecord({2}), entryRecord({3, 2, 1}, 1)}, &problem);
    EXPECT_TRUE(problem.isEmpty());
    const std::vector<SlipMark> expected = {{1, 1, 1, false, {10, 20}}, {1, 1, 3, false, {10, 26.25f}},
        {1, 1, 1, true, {12.5f, 50}}, {1, 2, 2, false, {115, 20.5f}}, {2, 1, 3, false, {10, 26.25f}},
        {2, 1, 2, false, {15, 20}}, {2, 1, 1, false, {10, 20}}, {2, 1, 1, true, {12.5f, 50}}};
    EXPECT_EQ(marks, expected);

    // A number without a box stops everything.
    for (const NumbersRecord &bad : {entryRecord({4}), entryRecord({1}, 2), entryRecord({-1})}) {
        problem.clear();
        EXPECT_TRUE(slipMarks(layout, {entryRecord({1}), bad}, &problem).empty());
        EXPECT_TRUE(problem.startsWith("Entry 2 has the ")) << problem.toStdString();
    }

    // The whole layout moves with its boards; a test print marks every box of one board.
    const SlipLayout moved = layout.shifted(1.5f, -2);
    const std::vector<SlipMark> test = boardTestMarks(moved, 2);
    ASSERT_EQ(test.size(), 4u);
    EXPECT_EQ(test[2].at, (MmPoint {111.5f, 24.75f}));
    EXPECT_EQ(test[3].at, (MmPoint {114, 48.5f}));
    EXPECT_EQ(markLine(moved, test[3]).from, (MmPoint {114, 46.5f})); // down the slip, 4 mm long
}
