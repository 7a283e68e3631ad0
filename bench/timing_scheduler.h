// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Scheduler that hands everything to another one and measures how long
// each timer tick and each continuation keeps the thread busy, so a bench
// can tell the longest time the engine blocked its thread in one call.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>

#include "common/scheduler.h"

namespace vuriru::bench {

class TimingScheduler : public Scheduler {
 public:
  explicit TimingScheduler(Scheduler& inner) : m_inner(inner) {}

  uint64_t NowMs() const override { return m_inner.NowMs(); }
  void SetTimerHandler(std::function<void(int id)> handler) override {
    m_inner.SetTimerHandler([this, handler = std::move(handler)](int id) { Timed([&] { handler(id); }); });
  }
  void StartTimer(int id, uint32_t periodMs) override { m_inner.StartTimer(id, periodMs); }
  void KillTimer(int id) override { m_inner.KillTimer(id); }
  bool IsTimerRunning(int id) const override { return m_inner.IsTimerRunning(id); }
  uint32_t TimerPeriod(int id) const override { return m_inner.TimerPeriod(id); }
  void RunAfter(uint32_t delayMs, std::function<void()> continuation) override {
    m_inner.RunAfter(delayMs, [this, continuation = std::move(continuation)] { Timed(continuation); });
  }

  // The longest single call so far, in microseconds.
  uint64_t LongestCallUs() const { return m_longestUs; }
  uint64_t Calls() const { return m_calls; }

 private:
  template <class Fn>
  void Timed(const Fn& fn) {
    const auto start = std::chrono::steady_clock::now();
    fn();
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    m_longestUs = std::max<uint64_t>(m_longestUs, static_cast<uint64_t>(us.count()));
    ++m_calls;
  }

  Scheduler& m_inner;
  uint64_t m_longestUs = 0;
  uint64_t m_calls = 0;
};

}  // namespace vuriru::bench
