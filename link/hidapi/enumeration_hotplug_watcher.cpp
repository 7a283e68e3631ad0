// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/hidapi/enumeration_hotplug_watcher.h"

#include <hidapi.h>

#include "link/hid_device.h"

namespace vuriru {

EnumerationHotplugWatcher::EnumerationHotplugWatcher() : m_known(EnumerateAdapters()) {}

std::set<std::string> EnumerationHotplugWatcher::EnumerateAdapters() {
  std::set<std::string> paths;
  hid_device_info* list = hid_enumerate(kLinkVendorId, kLinkProductId);
  for (const hid_device_info* info = list; info != nullptr; info = info->next) {
    if (info->path != nullptr) paths.insert(info->path);
  }
  hid_free_enumeration(list);
  return paths;
}

void EnumerationHotplugWatcher::Collect() {
  std::set<std::string> now = EnumerateAdapters();
  for (const std::string& path : m_known) {
    if (!now.count(path)) Queue({DeviceChangeEvent::Kind::InterfaceRemoval, path});
  }
  for (const std::string& path : now) {
    if (!m_known.count(path)) Queue({DeviceChangeEvent::Kind::InterfaceArrival, path});
  }
  m_known = std::move(now);
}

}  // namespace vuriru
