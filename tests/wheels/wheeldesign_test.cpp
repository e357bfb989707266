#include "gamedata/rnd.h"
#include "pipeinplace.h"
#include "support/testfolder.h"
#include "wheels/wheeldesign.h"
#include "wheels/wheelengine.h"

#include <QDir>
#include <algorithm>
#include <bit>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
const WheelType T653 {6, 5, 3, 7};

// Every combination of pick positions out of group: a wheel that keeps any guarantee.
std::vector<uint32_t> everyLine(int group, int pick)
{
    std::vector<uint32_t> lines;
    for (uint32_t set = 1; set < (1u << group); ++set)
        if (std::popcount(set) == pick)
            lines.push_back(set);
    return lines;
}

QByteArray designText(const std::vector<uint32_t> &lines)
{
    QByteArray text = "# every line\n";
    for (const uint32_t line : lines) {
        QByteArrayList positions;
        for (int p = 1; p <= 32; ++p)
            if (line & (1u << (p - 1)))
                positions << QByteArray::number(p);
        text += positions.join(' ') + '\n';
    }
    return text;
}

} // namespace

TEST(WheelDesign, ASoundDesignReadsAsItsLinesAndEveryFaultIsNamed)
{
    const QByteArray good = designText(everyLine(7, 6));
    const WheelDesignRead read = parseWheelDesign(good, T653, 7, "6-5-3-7.whl");
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.design.lines, everyLine(7, 6));
    QByteArray crlf = good;
    crlf.replace("\n", "\r\n");
    EXPECT_TRUE(parseWheelDesign(crlf, T653, 7, "x").ok);

    const QString head = "The wheel design wheels/6-5-3-7.whl is damaged: ";
    const std::pair<QByteArray, QString> faults[] = {
        {"", "it holds no lines."},
        {"# only a comment\n\n", "it holds no lines."},
        {good + "1 2 3 4 5 8\n", "line 9 holds a position outside 1 to 7."},
        {"1 2 3 4 5 0\n", "line 1 holds a position outside 1 to 7."},
        {"1 2 3 4 5 99999999999\n", "line 1 holds a position outside 1 to 7."},
        {"1 2 3 4 5\n", "line 1 holds 5 positions where a line of this wheel holds 6."},
        {"1 2 3 4 5 6 7\n", "line 1 holds more than 6 positions where a line of this wheel holds 6."},
        {"1 2  3 4 5 6\n", "line 1 is not a list of positions separated by single blanks."},
        {" 1 2 3 4 5 6\n", "line 1 is not a list of positions separated by single blanks."},
        {"1 2 3 4 5 6 \n", "line 1 is not a list of positions separated by single blanks."},
        {"1\t2 3 4 5 6\n", "line 1 holds something other than positions."},
        {"1 2 3 4 6 5\n", "line 1 does not hold its positions once each in ascending order."},
        {"1 2 3 3 4 5\n", "line 1 does not hold its positions once each in ascending order."},
        {QByteArray(MaxWheelDesignBytes + 1, '#'), "it is far larger than any wheel design."},
    };
    for (const auto &[text, why] : faults) {
        const WheelDesignRead bad = parseWheelDesign(text, T653, 7, "6-5-3-7.whl");
        EXPECT_FALSE(bad.ok);
        EXPECT_TRUE(bad.design.lines.empty());
        EXPECT_EQ(bad.error, head + why) << text.left(40).toStdString();
    }
    EXPECT_EQ(parseWheelDesign(good, T653, 21, "6-5-3-21.whl").error,
        "The wheel design wheels/6-5-3-21.whl is damaged: no wheel of this type is made for a group of 21 balls.");
    EXPECT_EQ(parseWheelDesign(good, T653, 6, "x").error,
        "The wheel design wheels/x is damaged: no wheel of this type is made for a group of 6 balls.");

    // A design that misses a set: the first one is named.
    std::vector<uint32_t> lines = everyLine(7, 6);
    lines.erase(lines.begin()); // 1 2 3 4 5 6: now 1 2 3 4 5 still meets 1 2 3 4 5 7 in five places
    EXPECT_TRUE(parseWheelDesign(designText(lines), T653, 7, "x").ok);
    // One line on ten balls: five drawn balls with three outside it, the smallest such set first, are missed.
    const WheelDesignRead failing = parseWheelDesign("1 2 3 4 5 6\n", T653, 10, "6-5-3-10.whl");
    EXPECT_FALSE(failing.ok);
    EXPECT_EQ(failing.error,
        "The wheel design wheels/6-5-3-10.whl does not keep its guarantee: when the balls at "
        "places 1 2 7 8 9 of the group are drawn, no line holds 3 of them.");
}

TEST(WheelDesign, AByteOrderMarkIsSkippedAtTheStartOfTheTextOnly)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    const std::vector<uint32_t> lines = everyLine(7, 6);
    QByteArray bare = designText(lines);
    bare.remove(0, bare.indexOf('\n') + 1); // the first line a line of the wheel, not a comment
    for (const QByteArray &text :
        {mark + designText(lines), mark + bare, mark + QByteArray(bare).replace("\n", "\r\n")}) {
        const WheelDesignRead read = parseWheelDesign(text, T653, 7, "6-5-3-7.whl");
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_EQ(read.design.lines, lines);
    }
    const QString head = "The wheel design wheels/6-5-3-7.whl is damaged: ";
    EXPECT_EQ(parseWheelDesign(mark + mark + bare, T653, 7, "6-5-3-7.whl").error,
        head + "line 1 holds something other than positions.");
    EXPECT_EQ(parseWheelDesign(bare + mark + bare, T653, 7, "6-5-3-7.whl").error,
        head + "line 8 holds something other than positions.");
    EXPECT_EQ(parseWheelDesign(mark, T653, 7, "6-5-3-7.whl").error, head + "it holds no lines.");
}

TEST(WheelDesign, AFullWheelKeepsEveryGuaranteeAndMissesTheLineTakenOut)
{
    // A full wheel keeps every guarantee; without any one of its lines the full guarantee fails on that line.
    for (const WheelType &type : wheelTypes()) {
        const int group = type.pick + 2;
        std::vector<uint32_t> lines = everyLine(group, type.pick);
        EXPECT_EQ(firstUncoveredSet(group, type.drawn, type.match, lines), 0u);
        const uint32_t gone = lines[lines.size() / 2];
        lines.erase(lines.begin() + static_cast<long>(lines.size() / 2));
        EXPECT_EQ(firstUncoveredSet(group, type.pick, type.pick, lines), gone);
    }
}

TEST(WheelDesign, FilesAreFoundByTypeAndGroupSize)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("wheels"));
    folder.writeBytes("wheels/6-5-3-7.whl", designText(everyLine(7, 6)));
    folder.writeBytes("wheels/6-5-3-9.whl", designText(everyLine(9, 6)));
    folder.writeBytes("wheels/6-5-3-21.whl", designText(everyLine(9, 6)));
    ASSERT_TRUE(QDir(folder.path()).mkpath("wheels/6-5-3-10.whl")); // a folder is no design
    EXPECT_EQ(availableWheelGroups(folder.path(), T653), (std::vector<int> {7, 9}));
    EXPECT_TRUE(readWheelDesign(folder.path(), T653, 9).ok);
    EXPECT_EQ(readWheelDesign(folder.path(), T653, 8).error,
        "The wheel design wheels/6-5-3-8.whl is missing: there is no wheel of this type for a group of 8 balls.");
    EXPECT_FALSE(readWheelDesign(folder.path(), T653, 10).ok);
    EXPECT_EQ(readWheelDesign(folder.path(), T653, 10).error,
        "The wheel design wheels/6-5-3-10.whl is not a plain file: only a text file can hold a wheel design.");
    {
        // A named pipe is neither listed nor waited for: reading it is refused at once.
        const PipeInPlace pipe(folder.file("wheels/6-5-3-11.whl"));
        ASSERT_TRUE(pipe.made());
        EXPECT_EQ(availableWheelGroups(folder.path(), T653), (std::vector<int> {7, 9}));
        const WheelDesignRead read = readWheelDesign(folder.path(), T653, 11);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.error,
            "The wheel design wheels/6-5-3-11.whl is not a plain file: only a text file can hold a wheel design.");
    }
    // A design written with a byte order mark reads as the same design.
    folder.writeBytes("wheels/6-5-3-8.whl", "\xEF\xBB\xBF" + designText(everyLine(8, 6)));
    const WheelDesignRead marked = readWheelDesign(folder.path(), T653, 8);
    ASSERT_TRUE(marked.ok) << marked.error.toStdString();
    EXPECT_EQ(marked.design.lines, everyLine(8, 6));
    EXPECT_EQ(wheelDesignFileName(wheelTypes()[23], 20), "4-4-2-20.whl");
}
