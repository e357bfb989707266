#include "gamedata/numbersfile.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(HistoryInsertion, IntoAnEmptyFileWritesOneRecordWithCountAndNumberOne)
{
    TestFolder folder;
    ASSERT_TRUE(insertResult(folder.file("Lotto.rtl"), drawRecord(2006, 3, 9, {1, 2, 3, 4, 5, 6})).ok);
    const QByteArray bytes = folder.bytes("Lotto.rtl");
    ASSERT_EQ(bytes.size(), 30);
    EXPECT_EQ(rawInt32(bytes, 0), 1);
    EXPECT_EQ(rawInt16(bytes, 4), 1);
    EXPECT_EQ(rawInt16(bytes, 6), 9);
    EXPECT_EQ(rawInt16(bytes, 8), 3);
    EXPECT_EQ(rawInt16(bytes, 10), 2006);
    EXPECT_EQ(rawInt16(bytes, 12), 1);
    EXPECT_EQ(rawInt16(bytes, 22), 6);
}
