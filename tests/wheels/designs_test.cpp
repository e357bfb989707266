// The designs shipped in wheels/: one for every wheel type and group size that a player can wheel,
// each read as the program reads it, which checks its guarantee over every set of drawn positions.
#include "wheels/wheeldesign.h"

#include <QDir>
#include <gtest/gtest.h>
#include <set>

using namespace vx;

namespace {

constexpr size_t MaxShippedLines = 2500; // a wheel beyond this many tickets is not offered

QString sourceFolder()
{
    return QStringLiteral(VX_SOURCE_DIR);
}

long long binomial(int n, int k)
{
    long long result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

bool isRequired(const WheelType &type, int group)
{
    // A full wheel is every combination; 6-5-5 on 20 balls needs more than 2,500 lines at best.
    if (type.match == type.pick && binomial(group, type.pick) > static_cast<long long>(MaxShippedLines))
        return false;
    return !(type.pick == 6 && type.drawn == 5 && type.match == 5 && group == 20);
}

std::set<QString> requiredFileNames()
{
    std::set<QString> names;
    for (const WheelType &type : wheelTypes())
        for (int group = type.pick + 1; group <= MaxWheelGroup; ++group)
            if (isRequired(type, group))
                names.insert(wheelDesignFileName(type, group));
    return names;
}

} // namespace

TEST(ShippedDesigns, RequiredSetFollowsTheLineLimit)
{
    const std::set<QString> names = requiredFileNames();
    // Full wheels stop where C(N, P) passes 2,500: 7 up to 13, 6 up to 13, 5 up to 14, 4 up to 17.
    EXPECT_TRUE(names.count(QStringLiteral("7-7-7-13.whl")));
    EXPECT_FALSE(names.count(QStringLiteral("7-7-7-14.whl")));
    EXPECT_TRUE(names.count(QStringLiteral("4-4-4-17.whl")));
    EXPECT_FALSE(names.count(QStringLiteral("4-4-4-18.whl")));
    EXPECT_TRUE(names.count(QStringLiteral("6-5-5-19.whl")));
    EXPECT_FALSE(names.count(QStringLiteral("6-5-5-20.whl")));
    EXPECT_TRUE(names.count(QStringLiteral("4-4-2-5.whl")));
    EXPECT_FALSE(names.count(QStringLiteral("4-4-2-4.whl")));
    EXPECT_EQ(names.size(), 319u);
}

TEST(ShippedDesigns, FolderHoldsExactlyTheRequiredFiles)
{
    const QStringList files
        = QDir(wheelDesignFolder(sourceFolder())).entryList({QStringLiteral("*.whl")}, QDir::Files, QDir::Name);
    const std::set<QString> found(files.begin(), files.end());
    const std::set<QString> required = requiredFileNames();
    for (const QString &name : required)
        EXPECT_TRUE(found.count(name)) << "missing: " << name.toStdString();
    for (const QString &name : found)
        EXPECT_TRUE(required.count(name)) << "not a required design: " << name.toStdString();
}

TEST(ShippedDesigns, EveryTypeListsItsRequiredGroups)
{
    for (const WheelType &type : wheelTypes()) {
        std::vector<int> required;
        for (int group = type.pick + 1; group <= MaxWheelGroup; ++group)
            if (isRequired(type, group))
                required.push_back(group);
        EXPECT_EQ(availableWheelGroups(sourceFolder(), type), required) << type.menuName().toStdString();
    }
}

// Reading checks each design exhaustively: for every set of `drawn` positions some line holds
// `match` of them.
TEST(ShippedDesigns, EveryDesignReadsAndKeepsItsGuarantee)
{
    int checked = 0;
    for (const WheelType &type : wheelTypes()) {
        for (int group = type.pick + 1; group <= MaxWheelGroup; ++group) {
            if (!isRequired(type, group))
                continue;
            const WheelDesignRead read = readWheelDesign(sourceFolder(), type, group);
            const std::string name = wheelDesignFileName(type, group).toStdString();
            ASSERT_TRUE(read.ok) << name << ": " << read.error.toStdString();
            EXPECT_LE(read.design.lines.size(), MaxShippedLines) << name;
            // A repeated line is a ticket bought twice for nothing.
            std::set<uint32_t> distinct(read.design.lines.begin(), read.design.lines.end());
            EXPECT_EQ(distinct.size(), read.design.lines.size()) << name;
            if (type.match == type.pick) {
                EXPECT_EQ(read.design.lines.size(), static_cast<size_t>(binomial(group, type.pick))) << name;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 319);
}
