// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where device-change events come from. A watcher collects arrivals and
// removals from its source (udev, a periodic enumeration, the simulated
// adapter) and hands them to its handler from Poll(), which the owner calls
// from its event loop: events never arrive in the middle of a link operation.

#include <cstdint>
#include <deque>

#include "link/device_change.h"

namespace vuriru {

class HotplugWatcher {
 public:
  virtual ~HotplugWatcher() = default;

  void SetHandler(DeviceChangeHandler handler) { m_handler = std::move(handler); }

  // Queues an event for the next Poll: the simulated adapter being plugged or
  // pulled, or a failed read on the open adapter.
  void Queue(DeviceChangeEvent event) { m_queue.push_back(std::move(event)); }

  // Collects what the source has seen since the last call, then delivers the
  // queued events in order. Events queued by the handler wait for the next Poll.
  void Poll();

  // A descriptor that becomes readable when the source has news, or -1 when
  // the owner calls Poll every PollIntervalMs() instead.
  virtual int PollFd() const { return -1; }
  virtual uint32_t PollIntervalMs() const { return 1000; }

 protected:
  virtual void Collect() {}

 private:
  DeviceChangeHandler m_handler;
  std::deque<DeviceChangeEvent> m_queue;
};

}  // namespace vuriru
