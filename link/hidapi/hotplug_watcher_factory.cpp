// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hidapi/hotplug_watcher_factory.h"

#include "link/hidapi/enumeration_hotplug_watcher.h"

#if VURIRU_HAVE_UDEV
#include "link/hidapi/udev_hotplug_watcher.h"
#endif

namespace vuriru {

std::unique_ptr<HotplugWatcher> MakeHotplugWatcher() {
#if VURIRU_HAVE_UDEV
  if (auto watcher = UdevHotplugWatcher::Create()) return watcher;
#endif
  return std::make_unique<EnumerationHotplugWatcher>();
}

}  // namespace vuriru
