#include "gamedata/sharedstate.h"
#include "support/mainwindowfixture.h"

#include <QRadioButton>

using namespace vx;
using namespace vx::test;

TEST_F(MainWindowTest, EmptyFolderLeavesEveryGameUndefined)
{
    start();
    for (int n = 1; n <= 6; ++n) {
        auto *button = find<QRadioButton>(QStringLiteral("Option%1").arg(n));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Game%1").arg(n));
        EXPECT_FALSE(button->isEnabled());
        EXPECT_TRUE(folder.exists(QStringLiteral("game%1.dat").arg(n)));
    }
}
