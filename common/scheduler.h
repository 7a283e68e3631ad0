// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Time for everything that paces the link: periodic timers (the engine tick,
// the connect attempt) and one-shot continuations that replace the fixed waits
// of a transaction, so that no wait blocks the thread that runs the engine.
// The window supplies a Qt implementation; tests and --virtual-time use
// VirtualScheduler, which jumps straight to the next deadline.

#include <cstdint>
#include <functional>

namespace vuriru {

namespace timer_id {
inline constexpr int kPort = 102;
inline constexpr int kEngine = 106;
inline constexpr int kConnect = 107;
}  // namespace timer_id

class Scheduler {
 public:
  virtual ~Scheduler() = default;

  // Milliseconds since an arbitrary start, monotonic.
  virtual uint64_t NowMs() const = 0;

  // Receives every timer tick with the timer's id, like a window's timer
  // message. Set once by the owner of the timers.
  virtual void SetTimerHandler(std::function<void(int id)> handler) = 0;

  // Starts the timer with this id, or restarts it with the new period; the
  // first tick comes one period from now.
  virtual void StartTimer(int id, uint32_t periodMs) = 0;
  virtual void KillTimer(int id) = 0;
  virtual bool IsTimerRunning(int id) const = 0;
  virtual uint32_t TimerPeriod(int id) const = 0;

  // Runs the continuation once, delayMs from now, on the same thread.
  virtual void RunAfter(uint32_t delayMs, std::function<void()> continuation) = 0;
};

}  // namespace vuriru
