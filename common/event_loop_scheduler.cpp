// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/event_loop_scheduler.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace vuriru {

namespace {
uint64_t SteadyMs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
}  // namespace

EventLoopScheduler::EventLoopScheduler(Clock clock) : m_clock(clock), m_realStartMs(SteadyMs()) {}

uint64_t EventLoopScheduler::NowMs() const {
  return m_clock == Clock::kVirtual ? m_virtualNowMs : SteadyMs() - m_realStartMs;
}

void EventLoopScheduler::SetTimerHandler(std::function<void(int id)> handler) {
  m_handler = std::move(handler);
}

void EventLoopScheduler::StartTimer(int id, uint32_t periodMs) {
  periodMs = std::max<uint32_t>(periodMs, 1);
  m_timers[id] = Timer{periodMs, NowMs() + periodMs};
}

void EventLoopScheduler::KillTimer(int id) {
  m_timers.erase(id);
}

bool EventLoopScheduler::IsTimerRunning(int id) const {
  return m_timers.count(id) != 0;
}

uint32_t EventLoopScheduler::TimerPeriod(int id) const {
  auto it = m_timers.find(id);
  return it == m_timers.end() ? 0 : it->second.periodMs;
}

void EventLoopScheduler::RunAfter(uint32_t delayMs, std::function<void()> continuation) {
  m_continuations.push_back(Continuation{NowMs() + delayMs, m_nextOrder++, std::move(continuation)});
}

uint64_t EventLoopScheduler::NextDueMs(bool* found) const {
  uint64_t next = std::numeric_limits<uint64_t>::max();
  *found = false;
  for (const auto& [id, timer] : m_timers) {
    next = std::min(next, timer.dueMs);
    *found = true;
  }
  for (const auto& c : m_continuations) {
    next = std::min(next, c.dueMs);
    *found = true;
  }
  return next;
}

void EventLoopScheduler::WaitUntil(uint64_t ms) {
  if (m_clock == Clock::kVirtual) {
    m_virtualNowMs = std::max(m_virtualNowMs, ms);
    return;
  }
  const uint64_t now = NowMs();
  if (ms > now) std::this_thread::sleep_for(std::chrono::milliseconds(ms - now));
}

void EventLoopScheduler::RunDueAt(uint64_t ms) {
  // Continuations first, oldest first: a transaction's wait that ends at the
  // same moment as a tick belongs before that tick.
  auto due = std::find_if(m_continuations.begin(), m_continuations.end(),
                          [ms](const Continuation& c) { return c.dueMs <= ms; });
  if (due != m_continuations.end()) {
    auto first = due;
    for (auto it = due; it != m_continuations.end(); ++it) {
      if (it->dueMs <= ms && (it->dueMs < first->dueMs || (it->dueMs == first->dueMs && it->order < first->order)))
        first = it;
    }
    auto run = std::move(first->run);
    m_continuations.erase(first);
    run();
    return;
  }
  for (auto& [id, timer] : m_timers) {
    if (timer.dueMs <= ms) {
      timer.dueMs = ms + timer.periodMs;
      const int tickId = id;
      if (m_handler) m_handler(tickId);
      return;
    }
  }
}

bool EventLoopScheduler::RunOne() {
  bool found = false;
  const uint64_t due = NextDueMs(&found);
  if (!found) return false;
  WaitUntil(due);
  RunDueAt(std::max(due, NowMs()));
  return true;
}

bool EventLoopScheduler::RunUntil(const std::function<bool()>& done, uint64_t limitMs) {
  const uint64_t end = NowMs() + limitMs;
  while (!done()) {
    bool found = false;
    const uint64_t due = NextDueMs(&found);
    if (!found || due > end) {
      WaitUntil(end);
      return done();
    }
    RunOne();
  }
  return true;
}

void EventLoopScheduler::AdvanceBy(uint64_t ms) {
  const uint64_t end = NowMs() + ms;
  for (;;) {
    bool found = false;
    const uint64_t due = NextDueMs(&found);
    if (!found || due > end) break;
    RunOne();
  }
  WaitUntil(end);
}

}  // namespace vuriru
