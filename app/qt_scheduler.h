// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's clock: the Scheduler over Qt timers, so that the link, the
// engine and their waits run on the user-interface thread between events.

#include <map>

#include <QElapsedTimer>
#include <QObject>

#include "common/scheduler.h"

class QTimer;

namespace vuriru {

class QtScheduler : public QObject, public Scheduler {
 public:
  explicit QtScheduler(QObject* parent = nullptr);
  ~QtScheduler() override;

  uint64_t NowMs() const override;
  void SetTimerHandler(std::function<void(int id)> handler) override;
  void StartTimer(int id, uint32_t periodMs) override;
  void KillTimer(int id) override;
  bool IsTimerRunning(int id) const override;
  uint32_t TimerPeriod(int id) const override;
  void RunAfter(uint32_t delayMs, std::function<void()> continuation) override;

 private:
  QElapsedTimer m_clock;
  std::function<void(int)> m_handler;
  // Owned through QObject parenthood; kept per id so a restart reuses it.
  std::map<int, QTimer*> m_timers;
};

}  // namespace vuriru
