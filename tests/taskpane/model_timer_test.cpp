// CTimer on the MTimer registry: Interval semantics, ticks, the 100 slots.

#include "model_support.h"

#include "system/CTimer.h"
#include "system/MTimer.h"

#include <QTest>

#include <memory>
#include <vector>

using namespace zelvano::pane;

using modeltest::errorOf;

namespace {

TEST(Timer, IntervalStartsRestartsAndStopsAsSet) {
    CTimer timer;
    const auto started = MTimer::systemTimersStarted();
    const int live = MTimer::liveTimers();
    EXPECT_EQ(timer.Interval(), 0);

    timer.setInterval(0); // stopped and 0: nothing
    timer.setInterval(-3);
    EXPECT_EQ(MTimer::systemTimersStarted(), started);

    timer.setInterval(500);
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(MTimer::liveTimers(), live + 1);
    timer.setInterval(500); // same value: not restarted
    EXPECT_EQ(MTimer::systemTimersStarted(), started + 1);
    timer.setInterval(700);
    EXPECT_EQ(MTimer::systemTimersStarted(), started + 2);
    EXPECT_EQ(timer.Interval(), 700);
    EXPECT_EQ(MTimer::liveTimers(), live + 1) << "a restart keeps one slot";

    timer.setInterval(-1);
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(MTimer::liveTimers(), live);
}

TEST(Timer, TicksUntilStoppedOrDestroyed) {
    auto timer = std::make_unique<CTimer>();
    int ticks = 0;
    QObject::connect(timer.get(), &CTimer::ThatTime, [&] { ++ticks; });
    timer->setInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));

    const int live = MTimer::liveTimers();
    timer.reset(); // stops itself
    EXPECT_EQ(MTimer::liveTimers(), live - 1);
    const int before = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, before);
}

TEST(Timer, HundredSlotsThenErrorAndTheFirstFreeSlotIsReused) {
    std::vector<std::unique_ptr<CTimer>> timers;
    while (MTimer::liveTimers() < MTimer::kSlotCount) {
        timers.push_back(std::make_unique<CTimer>());
        timers.back()->setInterval(60000);
    }
    EXPECT_EQ(MTimer::highestSlot(), MTimer::kSlotCount);

    CTimer extra;
    const auto started = MTimer::systemTimersStarted();
    const auto error = errorOf([&] { extra.setInterval(100); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), static_cast<std::int32_t>(0x80040000u) + 13651);
    EXPECT_EQ(error->description(), "No more than 10 timers allowed per class");
    EXPECT_EQ(error->source(), modeltest::kProgram + ".WindowProc");
    EXPECT_EQ(extra.Interval(), 0);
    EXPECT_EQ(MTimer::systemTimersStarted(), started) << "nothing started on error";

    // Free a slot in the middle; the next timer takes exactly that one.
    CTimer* freed = MTimer::timerAt(40);
    ASSERT_NE(freed, nullptr);
    freed->setInterval(0);
    EXPECT_EQ(MTimer::timerAt(40), nullptr);
    extra.setInterval(100);
    EXPECT_EQ(MTimer::timerAt(40), &extra);

    timers.clear();
    extra.setInterval(0);
    EXPECT_EQ(MTimer::liveTimers(), 0);
    EXPECT_EQ(MTimer::highestSlot(), 0);
}

} // namespace
