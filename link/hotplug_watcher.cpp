// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hotplug_watcher.h"

namespace vuriru {

void HotplugWatcher::Poll() {
  Collect();
  std::deque<DeviceChangeEvent> due;
  due.swap(m_queue);
  for (const DeviceChangeEvent& event : due) {
    if (m_handler) m_handler(event);
  }
}

}  // namespace vuriru
