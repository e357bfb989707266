#include "platform/longrun.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

using vx::platform::LongRunDriver;

// Counts its steps up to `last`, doing `each` in every one.
struct Steps : vx::platform::StepRun {
    int done = 0, last = 4;
    std::function<void()> each = [] {};
    bool step(const std::function<bool()> &) override { return each(), ++done < last; }
};

TEST(LongRun, RunsToTheEndServingTheMessageLoopAndStopsOnCancelAfterTheStepInHand)
{
    LongRunDriver driver;
    QString log; // "s" for each step reported, "b" for each batch
    const LongRunDriver::Reports reports {[&] { log += 's'; }, [&] { log += 'b'; }};
    Steps quick, slow, cancelled, next, after;
    bool queued = false;
    QTimer::singleShot(0, [&] { queued = true; }); // runs between the steps
    // Batches come every tenth of a second and once at the end, however long the steps take here.
    QElapsedTimer clock;
    const auto batchesFit = [&] { return log.count('b') <= clock.elapsed() / LongRunDriver::BatchIntervalMs + 1; };
    quick.each = [&] { EXPECT_EQ(std::pair(queued, driver.isRunning()), std::pair(quick.done > 0, true)); };
    clock.start();
    EXPECT_EQ(driver.run(quick, reports), LongRunDriver::Outcome::Finished);
    EXPECT_EQ(std::tuple(int(log.count('s')), quick.done, driver.isRunning()), std::tuple(4, 4, false));
    EXPECT_TRUE(log.endsWith("sb")) << log.toStdString();
    EXPECT_TRUE(batchesFit()) << log.toStdString();

    std::tie(slow.last, slow.each, log) = std::tuple(
        25, [] { QThread::msleep(20); }, QString());
    clock.start();
    driver.run(slow, reports); // about half a second: a batch every tenth of a second, and one at the end
    EXPECT_EQ(log.count('s'), 25);
    EXPECT_TRUE(log.endsWith('b')) << log.toStdString();
    EXPECT_GE(log.count('b'), 3) << log.toStdString();
    EXPECT_TRUE(batchesFit()) << log.toStdString();

    std::tie(cancelled.each, log) = std::tuple([&] { cancelled.done == 2 ? driver.cancel() : void(); }, QString());
    clock.start();
    EXPECT_EQ(driver.run(cancelled, reports), LongRunDriver::Outcome::Cancelled);
    EXPECT_EQ(std::pair(int(log.count('s')), cancelled.done), std::pair(3, 3));
    EXPECT_TRUE(log.endsWith("sb")) << log.toStdString();
    EXPECT_TRUE(batchesFit()) << log.toStdString();
    // A Cancel while nothing runs stops the next run after its first step, and that run only.
    driver.cancel();
    EXPECT_EQ(std::pair(driver.run(next), next.done), std::pair(LongRunDriver::Outcome::Cancelled, 1));
    EXPECT_EQ(std::pair(driver.run(after), after.done), std::pair(LongRunDriver::Outcome::Finished, 4));
}

// With a yield interval the message loop is served after the first step and then once the interval
// has passed; Cancel still stops the run after the step in hand, soon after it was pressed.
TEST(LongRun, AYieldIntervalServesTheLoopAfterTheFirstStepThenOnlyWhenItHasPassed)
{
    LongRunDriver driver;
    driver.setYieldInterval(30);
    int served = 0; // passes of the message loop
    QTimer everyPass;
    QObject::connect(&everyPass, &QTimer::timeout, [&] { ++served; });
    everyPass.start(0);
    Steps steps;
    steps.last = 120;
    bool queued = false;
    QTimer::singleShot(0, [&] { queued = true; });
    steps.each = [&] {
        EXPECT_EQ(queued, steps.done > 0) << steps.done; // served after the first step
        QThread::msleep(1);
    };
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(driver.run(steps), LongRunDriver::Outcome::Finished);
    EXPECT_TRUE(served >= 2 && served <= clock.elapsed() / 30 + 2) << served << " in " << clock.elapsed() << " ms";

    Steps cancelled; // a Cancel pressed during the run
    cancelled.last = 100000;
    cancelled.each = [] { QThread::usleep(200); };
    QElapsedTimer pressed;
    QTimer::singleShot(50, [&] { pressed.start(), driver.cancel(); });
    EXPECT_EQ(driver.run(cancelled), LongRunDriver::Outcome::Cancelled);
    EXPECT_LT(pressed.elapsed(), 100);
    Steps inHand; // a Cancel from within a step stops the run after that step, served or not
    inHand.each = [&] { inHand.done == 1 ? driver.cancel() : void(); };
    EXPECT_EQ(std::pair(driver.run(inHand), inHand.done), std::pair(LongRunDriver::Outcome::Cancelled, 2));
}
