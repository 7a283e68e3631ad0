// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Scheduler with its own event loop, for programs and tests without Qt.
// Virtual time moves the clock straight to the next deadline; real time sleeps
// until it. Both run timers and continuations in deadline order, continuations
// first when they fall due at the same moment as a timer tick.

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "common/scheduler.h"

namespace vuriru {

class EventLoopScheduler : public Scheduler {
 public:
  enum class Clock { kVirtual, kReal };

  explicit EventLoopScheduler(Clock clock = Clock::kVirtual);

  uint64_t NowMs() const override;
  void SetTimerHandler(std::function<void(int id)> handler) override;
  void StartTimer(int id, uint32_t periodMs) override;
  void KillTimer(int id) override;
  bool IsTimerRunning(int id) const override;
  uint32_t TimerPeriod(int id) const override;
  void RunAfter(uint32_t delayMs, std::function<void()> continuation) override;

  // Runs the next due event (waiting for it on the real clock). Returns false
  // when nothing is scheduled at all.
  bool RunOne();

  // Runs events until `done` holds or the clock has passed `limitMs` from now.
  // Returns whether `done` held.
  bool RunUntil(const std::function<bool()>& done, uint64_t limitMs);

  // Runs every event due within the next `ms` milliseconds and leaves the
  // clock `ms` later.
  void AdvanceBy(uint64_t ms);

 private:
  struct Timer {
    uint32_t periodMs = 0;
    uint64_t dueMs = 0;
  };
  struct Continuation {
    uint64_t dueMs = 0;
    uint64_t order = 0;
    std::function<void()> run;
  };

  uint64_t NextDueMs(bool* found) const;
  void WaitUntil(uint64_t ms);
  void RunDueAt(uint64_t ms);

  Clock m_clock;
  uint64_t m_virtualNowMs = 0;
  uint64_t m_realStartMs = 0;
  uint64_t m_nextOrder = 0;
  std::function<void(int)> m_handler;
  std::map<int, Timer> m_timers;
  std::vector<Continuation> m_continuations;
};

}  // namespace vuriru
