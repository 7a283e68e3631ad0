// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_scheduler.h"

#include <QTimer>

namespace vuriru {

QtScheduler::QtScheduler(QObject* parent) : QObject(parent) {
  m_clock.start();
}

QtScheduler::~QtScheduler() {
  // A tick must not reach a handler whose owner is being torn down.
  m_handler = {};
  for (auto& [id, timer] : m_timers) timer->stop();
}

uint64_t QtScheduler::NowMs() const {
  return static_cast<uint64_t>(m_clock.elapsed());
}

void QtScheduler::SetTimerHandler(std::function<void(int id)> handler) {
  m_handler = std::move(handler);
}

void QtScheduler::StartTimer(int id, uint32_t periodMs) {
  QTimer*& timer = m_timers[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] {
      if (m_handler) m_handler(id);
    });
  }
  timer->start(static_cast<int>(periodMs));
}

void QtScheduler::KillTimer(int id) {
  auto found = m_timers.find(id);
  if (found != m_timers.end()) found->second->stop();
}

bool QtScheduler::IsTimerRunning(int id) const {
  auto found = m_timers.find(id);
  return found != m_timers.end() && found->second->isActive();
}

uint32_t QtScheduler::TimerPeriod(int id) const {
  auto found = m_timers.find(id);
  if (found == m_timers.end() || !found->second->isActive()) return 0;
  return static_cast<uint32_t>(found->second->interval());
}

void QtScheduler::RunAfter(uint32_t delayMs, std::function<void()> continuation) {
  // With this object as context the continuation is dropped if the
  // scheduler goes away first.
  QTimer::singleShot(static_cast<int>(delayMs), Qt::PreciseTimer, this, [run = std::move(continuation)] { run(); });
}

}  // namespace vuriru
