#include "shell/tmmtimer.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

using namespace shell;

namespace {

// Counts every firing, also those that Enabled keeps from OnTimer.
class CountingTimer : public TMMTimer
{
public:
    int fired = 0;
    uint lastTime = 0;

protected:
    void FireTimer(uint Time) override
    {
        ++fired;
        lastTime = Time;
        TMMTimer::FireTimer(Time);
    }
};

// Runs the event loop until the condition holds; false after the timeout.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 2000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

TEST(MMTimerTest, PropertiesAcceptOnlyValuesInRange)
{
    TMMTimer timer;
    EXPECT_EQ(timer.Interval(), TMMTimer::LargestPeriod);
    EXPECT_EQ(timer.Resolution(), TMMTimer::SmallestPeriod);
    EXPECT_TRUE(timer.Periodic());
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.isArmed()) << "creating it alone starts nothing";

    struct Case {
        const char *property;
        uint value;
        uint interval, resolution; // afterwards
    };
    const QVector<Case> cases = {
        { "Interval", 1000, 1000, 1 }, { "Interval", 0, 1000, 1 }, { "Interval", TMMTimer::LargestPeriod + 1, 1000, 1 },
        { "Interval", TMMTimer::LargestPeriod, TMMTimer::LargestPeriod, 1 }, { "Interval", 1, 1, 1 },
        { "Resolution", 2, 1, 1 }, // above Interval
        { "Interval", 50, 50, 1 }, { "Resolution", 50, 50, 50 }, { "Resolution", 51, 50, 50 },
        { "Interval", 20, 20, 50 }, // Interval is not held back by Resolution
    };
    for (const Case &c : cases) {
        if (QByteArray(c.property) == "Interval")
            timer.setInterval(c.value);
        else
            timer.setResolution(c.value);
        EXPECT_EQ(timer.Interval(), c.interval) << c.property << " " << c.value;
        EXPECT_EQ(timer.Resolution(), c.resolution) << c.property << " " << c.value;
    }
    EXPECT_TRUE(timer.isArmed()) << "assigning a property starts it";
}

TEST(MMTimerTest, DisablingKeepsItRunningButSuppressesOnTimer)
{
    CountingTimer timer;
    int ticks = 0;
    uint previousTime = 0;
    bool timesRise = true;
    QVector<bool> enableChanges;
    timer.OnTimer = [&](QObject *sender, uint time) {
        EXPECT_EQ(sender, &timer);
        timesRise = timesRise && time >= previousTime;
        previousTime = time;
        ++ticks;
    };
    timer.OnEnableChange = [&](QObject *, bool value) {
        enableChanges.append(value);
        EXPECT_EQ(timer.Enabled(), value);
    };
    timer.setInterval(10);
    EXPECT_TRUE(waitUntil([&] { return ticks >= 3; }));
    EXPECT_TRUE(timesRise);

    timer.setEnabled(false);
    EXPECT_EQ(enableChanges, QVector<bool>({ false }));
    EXPECT_TRUE(timer.isArmed());
    const int ticksWhenDisabled = ticks;
    const int firedWhenDisabled = timer.fired;
    EXPECT_TRUE(waitUntil([&] { return timer.fired >= firedWhenDisabled + 3; }));
    EXPECT_EQ(ticks, ticksWhenDisabled) << "disabled: it keeps firing, OnTimer is not called";

    timer.setEnabled(true);
    EXPECT_EQ(enableChanges, QVector<bool>({ false, true }));
    EXPECT_TRUE(waitUntil([&] { return ticks >= ticksWhenDisabled + 3; }));
    timer.setEnabled(true);
    EXPECT_EQ(enableChanges.size(), 2) << "no change, no call";

    timer.setPeriodic(false);
    const int firedBefore = timer.fired;
    EXPECT_TRUE(waitUntil([&] { return timer.fired == firedBefore + 1; }));
    QTest::qWait(60);
    EXPECT_EQ(timer.fired, firedBefore + 1) << "a one-shot timer fires once";
    EXPECT_FALSE(timer.isArmed());
}

} // namespace
