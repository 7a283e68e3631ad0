// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_scheduler.h"

#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "app/main_window_rig.h"

namespace vuriru {
namespace {

// Runs the Qt event loop until `done` holds; gives up after a generous
// bound so that a broken timer fails the test instead of hanging it.
template <typename Done>
bool SpinUntil(Done done) {
  QElapsedTimer bound;
  bound.start();
  while (!done()) {
    if (bound.elapsed() > 10000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

TEST(QtScheduler, TimersTickWithTheirIdUntilKilledAndContinuationsRunOnce) {
  testing::EnsureApplication();
  QtScheduler scheduler;
  std::vector<int> ticks;
  scheduler.SetTimerHandler([&](int id) { ticks.push_back(id); });
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kEngine), 0u);

  scheduler.StartTimer(timer_id::kEngine, 5);
  scheduler.StartTimer(timer_id::kEngine, 1);  // a restart keeps one timer
  EXPECT_TRUE(scheduler.IsTimerRunning(timer_id::kEngine));
  EXPECT_EQ(scheduler.TimerPeriod(timer_id::kEngine), 1u);
  ASSERT_TRUE(SpinUntil([&] { return ticks.size() >= 3; }));
  for (int id : ticks) EXPECT_EQ(id, timer_id::kEngine);
  scheduler.KillTimer(timer_id::kEngine);
  EXPECT_FALSE(scheduler.IsTimerRunning(timer_id::kEngine));

  int runs = 0;
  const uint64_t before = scheduler.NowMs();
  scheduler.RunAfter(2, [&] { ++runs; });
  ASSERT_TRUE(SpinUntil([&] { return runs == 1; }));
  EXPECT_GE(scheduler.NowMs(), before);
  const size_t ticksAfterKill = ticks.size();
  int later = 0;
  scheduler.RunAfter(3, [&] { ++later; });
  ASSERT_TRUE(SpinUntil([&] { return later == 1; }));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ticks.size(), ticksAfterKill);
}

TEST(QtScheduler, NothingRunsAfterTheSchedulerIsGone) {
  testing::EnsureApplication();
  bool ran = false;
  {
    QtScheduler scheduler;
    scheduler.RunAfter(0, [&] { ran = true; });
    scheduler.SetTimerHandler([&](int) { ran = true; });
    scheduler.StartTimer(timer_id::kConnect, 0);
  }
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace vuriru
