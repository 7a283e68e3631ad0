// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/event_loop_scheduler.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vuriru {
namespace {

TEST(EventLoopScheduler, TimersTickAtTheirPeriodAndRestartMovesTheNextTick) {
  EventLoopScheduler s;
  std::vector<std::pair<uint64_t, int>> ticks;
  s.SetTimerHandler([&](int id) { ticks.emplace_back(s.NowMs(), id); });
  s.StartTimer(timer_id::kEngine, 100);
  s.AdvanceBy(250);
  ASSERT_EQ(ticks.size(), 2u);
  using Tick = std::pair<uint64_t, int>;
  EXPECT_EQ(ticks[0], Tick(100, 106));
  EXPECT_EQ(ticks[1], Tick(200, 106));
  s.StartTimer(timer_id::kEngine, 400);  // restart at 250: next tick at 650
  s.AdvanceBy(399);
  EXPECT_EQ(ticks.size(), 2u);
  s.AdvanceBy(1);
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(ticks[2].first, 650u);
  s.KillTimer(timer_id::kEngine);
  EXPECT_FALSE(s.IsTimerRunning(timer_id::kEngine));
  EXPECT_FALSE(s.RunOne());
}

TEST(EventLoopScheduler, ContinuationsRunOnceInDeadlineOrderBeforeATickDueAtTheSameTime) {
  EventLoopScheduler s;
  std::vector<std::string> log;
  s.SetTimerHandler([&](int) { log.push_back("tick@" + std::to_string(s.NowMs())); });
  s.StartTimer(timer_id::kEngine, 100);
  s.RunAfter(100, [&] { log.push_back("b@" + std::to_string(s.NowMs())); });
  s.RunAfter(50, [&] { log.push_back("a@" + std::to_string(s.NowMs())); });
  s.AdvanceBy(100);
  EXPECT_EQ(log, (std::vector<std::string>{"a@50", "b@100", "tick@100"}));
}

TEST(EventLoopScheduler, RunUntilStopsAtTheLimitWhenTheConditionNeverHolds) {
  EventLoopScheduler s;
  int ticks = 0;
  s.SetTimerHandler([&](int) { ++ticks; });
  s.StartTimer(timer_id::kConnect, 500);
  EXPECT_FALSE(s.RunUntil([] { return false; }, 2000));
  EXPECT_EQ(ticks, 4);
  EXPECT_EQ(s.NowMs(), 2000u);
  EXPECT_TRUE(s.RunUntil([&] { return ticks == 6; }, 5000));
  EXPECT_EQ(s.NowMs(), 3000u);
}

}  // namespace
}  // namespace vuriru
